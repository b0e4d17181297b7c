#include "ClickEdit.h"

#include <QMouseEvent>

ClickEdit::ClickEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void ClickEdit::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void ClickEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}
