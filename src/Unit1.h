#pragma once

#include "ui_Unit1.h"

#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

private:
    Ui::TForm1 ui;
};
