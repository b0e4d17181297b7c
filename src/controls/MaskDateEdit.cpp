#include "MaskDateEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

MaskDateEdit::MaskDateEdit(QWidget* parent)
    : DigitFieldEdit({ 2, 2, 2 }, u'_', parent)
    , m_beforeEdits(digits())
{
    connect(this, &DigitFieldEdit::editedByUser, this, [this] { m_edited = true; });
}

void MaskDateEdit::setDateText(const QString& text)
{
    writeText(text);
    m_beforeEdits = digits();
    m_edited = false;
}

void MaskDateEdit::undoEdits()
{
    setDigits(m_beforeEdits, 0);
    m_edited = false;
}

void MaskDateEdit::validate()
{
    const QString year = digits().right(2);
    if (!m_edited || (year[0].isDigit() && year[1].isDigit()))
        return;
    QApplication::beep();
    m_refocusing = true;
    setFocus(Qt::OtherFocusReason);
    m_refocusing = false;
    setCursorPosition(year[0] == u' ' ? 6 : 7);
    emit invalidEntry();
}

bool MaskDateEdit::handleOwnKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        validate();
        return true;
    case Qt::Key_Escape:
        undoEdits();
        return true;
    default:
        if (event->matches(QKeySequence::Undo)) {
            undoEdits();
            return true;
        }
        return false;
    }
}

void MaskDateEdit::focusInEvent(QFocusEvent* event)
{
    // Coming back after a refused entry keeps what Escape would take back.
    if (!m_refocusing)
        m_beforeEdits = digits();
    DigitFieldEdit::focusInEvent(event);
}

void MaskDateEdit::focusOutEvent(QFocusEvent* event)
{
    DigitFieldEdit::focusOutEvent(event);
    // Another window taking the focus (a dialog, another program) is not leaving the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (m_edited)
        QTimer::singleShot(0, this, &MaskDateEdit::validate);
}
