#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <utility>

// Closes the next modal window that opens while it lives and keeps what it showed, with what
// `probe` answered while it was open.
struct ModalCloser
{
    explicit ModalCloser(std::function<bool()> probe)
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, probe] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || std::exchange(seen, true))
                return;
            probed = probe();
            title = modal->windowTitle();
            if (auto *message = qobject_cast<QMessageBox *>(modal)) {
                text = message->text();
                icon = message->icon();
            }
            modal->reject();
        });
        timer.start(10);
    }

    QTimer timer;
    bool seen = false, probed = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon; // also for a dialog that is no message box
};
