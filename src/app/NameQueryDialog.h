#pragma once

#include <QDialog>

class QLineEdit;

// Asks for one line of text, preset and selected, with OK and Annuler.
class NameQueryDialog : public QDialog {
    Q_OBJECT
public:
    NameQueryDialog(
        QWidget* parent, const QString& caption, const QString& prompt, const QString& text);
    QString text() const;
    QLineEdit* edit() const { return m_edit; }

public slots:
    void reject() override;

private:
    QLineEdit* m_edit;
};
