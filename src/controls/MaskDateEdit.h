#pragma once

#include "DigitFieldEdit.h"

// The eight-position date field: day, delimiter, month, delimiter, two-digit year, a blank
// position shown as "_". Leaving it, or Enter, after the user typed into it asks for both
// year digits; Escape takes back what was typed since the field got the focus or the
// program last wrote it.
class MaskDateEdit : public DigitFieldEdit {
    Q_OBJECT
    Q_PROPERTY(QString dateText READ dateText WRITE setDateText)
public:
    explicit MaskDateEdit(QWidget* parent = nullptr);

    // A text written by the program; the field then counts as not typed into.
    void setDateText(const QString& text);
    bool isEditedByUser() const { return m_edited; }

signals:
    // The user left the field, or pressed Enter, while a year position was blank.
    void invalidEntry();

protected:
    bool handleOwnKey(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void undoEdits();
    bool needsYear() const;
    void validate();

    QString m_beforeEdits;
    bool m_edited = false;
    bool m_refocusing = false;
};
