#pragma once

#include <QLineEdit>

// An edit box whose letters are turned into capitals as they are typed or pasted.
class UpperCaseEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit UpperCaseEdit(QWidget* parent = nullptr);
};
