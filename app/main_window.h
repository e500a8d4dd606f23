#pragma once

#include <QWidget>

namespace Tavo {

// The main window: the learner's data and the command buttons.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
};

} // namespace Tavo
