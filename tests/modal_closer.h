#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <utility>

// Closes the modal windows that open while it lives and keeps what the first showed, with what
// `probe` answered while it was open. The first is answered by `answerFirst` when given (for
// instance clickButton(): with the button of that caption); the others are rejected.
struct ModalCloser
{
    using Answer = std::function<void(QDialog *)>;

    explicit ModalCloser(std::function<bool()> probe, Answer answerFirst = {})
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, probe, answerFirst] {
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
            answerFirst ? answerFirst(modal) : modal->reject();
        });
        timer.start(10);
    }

    static Answer clickButton(const QString &caption)
    {
        return [caption](QDialog *modal) {
            for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
                if (!caption.isEmpty() && button->text() == caption)
                    return button->click();
            modal->reject();
        };
    }

    QTimer timer;
    bool seen = false, probed = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon; // also for a dialog that is no message box
};
