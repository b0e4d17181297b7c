#include "DigitFieldEdit.h"

#include "controls/DateFieldParts.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

DigitFieldEdit::DigitFieldEdit(std::array<int, 3> partLengths, QChar blankShown, QWidget* parent)
    : ClickEdit(parent)
    , m_lengths(partLengths)
    , m_blankShown(blankShown)
    , m_digits(partLengths[0] + partLengths[1] + partLengths[2], u' ')
{
    setMaxLength(length());
    setDragEnabled(false);
    setAcceptDrops(false);
    show(0);
    // Edits that bypass the keys (the context menu, an input method) are read back position by
    // position.
    connect(this, &QLineEdit::textEdited, this, &DigitFieldEdit::takeEditedDisplay);
}

int DigitFieldEdit::length() const { return int(m_digits.size()) + 2; }

// The digit slot shown at a display position; -1 on a delimiter or past the end.
int DigitFieldEdit::slotAt(int position) const
{
    const int firstDelimiter = m_lengths[0];
    const int secondDelimiter = m_lengths[0] + 1 + m_lengths[1];
    if (position < 0 || position >= length() || position == firstDelimiter
        || position == secondDelimiter)
        return -1;
    return position - (position > firstDelimiter) - (position > secondDelimiter);
}

int DigitFieldEdit::digitPositionFrom(int position) const
{
    while (position < length() && slotAt(position) < 0)
        ++position;
    return std::min(position, length());
}

QString DigitFieldEdit::dateText() const
{
    return m_digits.left(m_lengths[0]) + delimiter() + m_digits.mid(m_lengths[0], m_lengths[1])
        + delimiter() + m_digits.right(m_lengths[2]);
}

void DigitFieldEdit::writeText(const QString& text)
{
    const QString fitted = FitDateParts(text, delimiter(), m_lengths).join();
    QString digits;
    for (const QChar c : fitted)
        digits += isDigit(c) ? c : QChar(u' ');
    setDigits(digits, 0);
}

void DigitFieldEdit::setDigits(const QString& digits, int cursor)
{
    m_digits = digits.leftJustified(m_digits.size(), u' ', true);
    show(cursor);
}

void DigitFieldEdit::setDelimiter(QChar delimiter)
{
    m_delimiter = delimiter;
    show(cursorPosition());
}

void DigitFieldEdit::setPartLengths(std::array<int, 3> partLengths)
{
    m_lengths = partLengths;
    m_digits = QString(partLengths[0] + partLengths[1] + partLengths[2], u' ');
    setMaxLength(length());
    show(0);
}

void DigitFieldEdit::show(int cursor)
{
    QString shown;
    for (int position = 0; position < length(); ++position) {
        const int slot = slotAt(position);
        shown += slot < 0 ? delimiter() : m_digits[slot] == u' ' ? m_blankShown : m_digits[slot];
    }
    setText(shown);
    setCursorPosition(cursor);
}

void DigitFieldEdit::markEdited(int cursor)
{
    show(cursor);
    emit editedByUser();
}

void DigitFieldEdit::takeEditedDisplay(const QString& display)
{
    for (int position = 0; position < length(); ++position) {
        const int slot = slotAt(position);
        if (slot >= 0)
            m_digits[slot] = position < display.size() && isDigit(display[position])
                ? display[position]
                : QChar(u' ');
    }
    markEdited(std::min(cursorPosition(), length()));
}

bool DigitFieldEdit::blankSelection()
{
    if (!hasSelectedText())
        return false;
    const int start = selectionStart();
    const int end = start + int(selectedText().size());
    for (int position = start; position < end; ++position) {
        if (slotAt(position) >= 0)
            m_digits[slotAt(position)] = u' ';
    }
    markEdited(start);
    return true;
}

void DigitFieldEdit::typeCharacter(QChar c)
{
    const int skippedTo = std::exchange(m_skippedTo, -1);
    if (c == delimiter()) {
        // Typed just after a digit that already carried the cursor past it, it is that one.
        if (skippedTo != cursorPosition())
            jumpPastNextDelimiter();
        return;
    }
    if (!isDigit(c)) {
        QApplication::beep();
        return;
    }
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    blankSelection();
    const int position = digitPositionFrom(start);
    if (position >= length()) {
        QApplication::beep();
        return;
    }
    m_digits[slotAt(position)] = c;
    const int next = digitPositionFrom(position + 1);
    markEdited(next);
    if (next > position + 1 && next < length())
        m_skippedTo = next;
}

void DigitFieldEdit::jumpPastNextDelimiter()
{
    const int cursor = cursorPosition();
    for (int position = cursor; position < length(); ++position) {
        if (slotAt(position) < 0) {
            setCursorPosition(position + 1);
            return;
        }
    }
    QApplication::beep();
}

void DigitFieldEdit::deleteForward()
{
    if (blankSelection())
        return;
    const int cursor = cursorPosition();
    const int position = digitPositionFrom(cursor);
    if (position < length()) {
        m_digits[slotAt(position)] = u' ';
        markEdited(cursor);
    }
}

void DigitFieldEdit::backspace()
{
    if (blankSelection())
        return;
    int position = cursorPosition() - 1;
    while (position >= 0 && slotAt(position) < 0)
        --position;
    if (position < 0)
        return;
    m_digits[slotAt(position)] = u' ';
    markEdited(position);
}

bool DigitFieldEdit::handleOwnKey(QKeyEvent*) { return false; }

void DigitFieldEdit::keyPressEvent(QKeyEvent* event)
{
    if (handleOwnKey(event))
        return;
    const bool typing = !event->text().isEmpty() && event->text().front().isPrint();
    if (!typing && !event->matches(QKeySequence::Paste))
        m_skippedTo = -1;
    if (event->matches(QKeySequence::Paste)) {
        for (const QChar c : QGuiApplication::clipboard()->text())
            typeCharacter(c);
    } else if (event->matches(QKeySequence::Cut)) {
        copy();
        blankSelection();
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        // The edit box's own history would bypass the positions.
    } else if (event->key() == Qt::Key_Backspace) {
        backspace();
    } else if (event->key() == Qt::Key_Delete) {
        deleteForward();
    } else if (!event->text().isEmpty() && event->text().front().isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        for (const QChar c : event->text())
            typeCharacter(c);
    } else {
        // Cursor movement, selection, copy, Tab: as in any edit box.
        ClickEdit::keyPressEvent(event);
    }
}
