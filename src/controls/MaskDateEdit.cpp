#include "MaskDateEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace {

// Where the year's first digit stands in "dd/mm/yy".
constexpr int kYearPosition = 6;

} // namespace

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

bool MaskDateEdit::needsYear() const
{
    const QString year = digits().right(2);
    return m_edited && !(year[0].isDigit() && year[1].isDigit());
}

void MaskDateEdit::validate()
{
    if (!needsYear())
        return;
    const QString year = digits().right(2);
    QApplication::beep();
    m_refocusing = true;
    setFocus(Qt::OtherFocusReason);
    m_refocusing = false;
    setCursorPosition(year[0] == u' ' ? kYearPosition : kYearPosition + 1);
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

bool MaskDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    // A click that would take the focus elsewhere in the window is held back while the year
    // is incomplete: the user hears, reads why, and stays in the field; the click does nothing.
    // It is caught at the window, before the toolkit moves the focus on a press.
    if (event->type() == QEvent::MouseButtonPress && watched == window()->windowHandle()
        && needsYear()) {
        const auto* press = static_cast<QMouseEvent*>(event);
        QWidget* target
            = window()->childAt(window()->mapFromGlobal(press->globalPosition().toPoint()));
        while (target && !(target->focusPolicy() & Qt::ClickFocus) && target != window())
            target = target->parentWidget();
        if (target && target != this && target != window()) {
            validate();
            return true;
        }
    }
    return DigitFieldEdit::eventFilter(watched, event);
}

void MaskDateEdit::focusInEvent(QFocusEvent* event)
{
    if (QWindow* handle = window()->windowHandle())
        handle->installEventFilter(this);
    // Coming back after a refused entry, a dialog or another program keeps what Escape would
    // take back: only entering the field from another control starts anew.
    const bool windowCameBack
        = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!m_refocusing && !windowCameBack)
        m_beforeEdits = digits();
    DigitFieldEdit::focusInEvent(event);
}

void MaskDateEdit::focusOutEvent(QFocusEvent* event)
{
    if (QWindow* handle = window()->windowHandle())
        handle->removeEventFilter(this);
    DigitFieldEdit::focusOutEvent(event);
    // Another window taking the focus (a dialog, another program) is not leaving the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (m_edited)
        QTimer::singleShot(0, this, &MaskDateEdit::validate);
}
