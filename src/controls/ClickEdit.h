#pragma once

#include <QLineEdit>

// An edit box that reports a click: the left button pressed and released over it.
// Entering it with the keyboard or by program is not a click.
class ClickEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ClickEdit(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
