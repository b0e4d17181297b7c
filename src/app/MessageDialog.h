#pragma once

#include "app/Dialogs.h"

#include <QDialog>

class QPushButton;

// The dialog behind AskDialog and NoticeDialog: an icon named "Image", the text in a label
// named "Message", and one push button per DialogButton, named after it ("Yes", "No", "OK"...).
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(QWidget* parent, const QString& message, DialogKind kind, DialogButtons buttons);

    QPushButton* button(int result) const;
    // Gives the focus, when the dialog opens, to the button answering `result`.
    void focusButton(int result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

public slots:
    // The close box and Alt+F4 answer Cancel whatever the buttons.
    void reject() override;

private:
    QList<QPushButton*> m_buttons;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_focusButton = nullptr;
};
