#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <utility>

// Closes the modal windows that open while it lives and keeps what the first showed, with what
// `probe` answered while it was open. The first is answered with its button captioned `answer`,
// when it has one; the others are rejected.
struct ModalCloser
{
    explicit ModalCloser(std::function<bool()> probe, const QString &answer = {})
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, probe, answer] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            if (std::exchange(seen, true))
                return modal->reject();
            probed = probe();
            title = modal->windowTitle();
            if (auto *message = qobject_cast<QMessageBox *>(modal)) {
                text = message->text();
                icon = message->icon();
            }
            for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
                if (!answer.isEmpty() && button->text() == answer)
                    return button->click();
            modal->reject();
        });
        timer.start(10);
    }

    QTimer timer;
    bool seen = false, probed = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon; // also for a dialog that is no message box
};
