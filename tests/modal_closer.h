#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Answers each modal window that opens while it lives, with `answer` when given, else by
// rejecting it, and keeps what the last one showed, with what `probe` answered while it was open.
struct ModalCloser
{
    explicit ModalCloser(std::function<bool()> probe, std::function<void(QDialog *)> answer = {})
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, probe, answer] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal)
                return;
            seen = true;
            probed = probe();
            title = modal->windowTitle();
            if (auto *message = qobject_cast<QMessageBox *>(modal)) {
                text = message->text();
                icon = message->icon();
            }
            answer ? answer(modal) : modal->reject();
        });
        timer.start(10);
    }

    QTimer timer;
    bool seen = false, probed = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon; // also for a dialog that is no message box
};
