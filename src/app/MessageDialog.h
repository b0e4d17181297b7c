#pragma once

#include "app/Presenter.h"

#include <QDialog>

#include <memory>

class QPushButton;

// The dialog behind AskDialog and NoticeDialog: an icon named "Image", the text in a label
// named "Message", and one push button per DialogButton, named after it ("Yes", "No", "OK"...).
// Its measures are in dialog units of its font, and it opens centred on the screen.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(QWidget* parent, const MessageRequest& request);

    // As AskDialog shows it: the focus on the button answering `focus`, the left and top edges
    // at x and y unless they are -1.
    static std::unique_ptr<MessageDialog> ForAsk(
        QWidget* parent, const MessageRequest& request, DialogResult focus, int x, int y);

    QPushButton* button(DialogResult result) const;
    // Gives the focus, when the dialog opens, to the button answering `result`.
    void focusButton(DialogResult result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

public slots:
    // The close box and Alt+F4 answer Cancel whatever the buttons.
    void reject() override;

private:
    struct Layout;
    Layout measure(const MessageRequest& request) const;
    void addIconAndText(const Layout& layout, const MessageRequest& request);
    void addButtons(const Layout& layout, DialogButtons buttons);

    QList<QPushButton*> m_buttons;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_focusButton = nullptr;
};
