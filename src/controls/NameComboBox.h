#pragma once

#include <QComboBox>

// The editable name list: entries kept in alphabetical order, letter case ignored,
// duplicates allowed. What the user types stays exactly as typed: no completion, and Enter
// never swaps the text for an entry that differs only by case. Changing the text or the
// entries by program notifies nothing; the user's typing and picking do.
class NameComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit NameComboBox(QWidget* parent = nullptr);

    QString nameText() const;
    void setNameText(const QString& text);

    // Inserted at its alphabetical place; the text stays as it is.
    void addName(const QString& name);
    // Removes the first entry exactly equal to the name; the text stays as it is.
    void removeName(const QString& name);
    QStringList names() const;

signals:
    // A keystroke changed the text, or the user picked an entry (the text is already the entry's).
    void nameChangedByUser();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
