#pragma once

#include "ClickEdit.h"

#include <array>

// A field of three digit parts separated by the date delimiter, typed in overwrite mode:
// a digit replaces the position under the cursor and the cursor skips the delimiters,
// the delimiter key jumps past the next delimiter (unless a digit just carried the cursor
// past it, so that "12/05/99" types as written), Delete and Backspace blank positions
// without moving the others, and any other character is refused with a beep.
class DigitFieldEdit : public ClickEdit {
    Q_OBJECT
public:
    DigitFieldEdit(std::array<int, 3> partLengths, QChar blankShown, QWidget* parent);

    // The parts joined by the delimiter, a blank position read as a space.
    QString dateText() const;
    // The character between the parts, "/" until the window hands the user's own.
    QChar delimiter() const { return m_delimiter; }
    void setDelimiter(QChar delimiter);

signals:
    // The user changed the positions (typing, deleting, pasting).
    void editedByUser();

protected:
    // Writes a text, fitted part by part; the cursor goes to the start.
    void writeText(const QString& text);
    // The positions' characters (digits or spaces) without the delimiters.
    QString digits() const { return m_digits; }
    // New part lengths, every position blank.
    void setPartLengths(std::array<int, 3> partLengths);
    void setDigits(const QString& digits, int cursor);

    void keyPressEvent(QKeyEvent* event) override;
    // Keys a field handles itself before the common ones; true when it took the key.
    virtual bool handleOwnKey(QKeyEvent* event);

private:
    int length() const;
    int slotAt(int position) const;
    int digitPositionFrom(int position) const;
    void typeCharacter(QChar c);
    bool blankSelection();
    void deleteForward();
    void backspace();
    void jumpPastNextDelimiter();
    void takeEditedDisplay(const QString& display);
    void markEdited(int cursor);
    void show(int cursor);

    std::array<int, 3> m_lengths;
    QChar m_blankShown;
    QChar m_delimiter = u'/';
    QString m_digits;
    // Where typing a digit last carried the cursor past a delimiter; -1 otherwise.
    int m_skippedTo = -1;
};
