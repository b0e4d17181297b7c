#include "Dialogs.h"

#include "app/FocusReturn.h"
#include "app/MessageDialog.h"
#include "app/NameQueryDialog.h"

int AskDialog(QWidget* parent, const QString& message, DialogKind kind, DialogButtons buttons,
    int defaultResult, int helpContext, int x, int y)
{
    const FocusReturn focusReturn;
    MessageDialog dialog(parent, message, kind, buttons);
    dialog.setProperty("helpContext", helpContext);
    if (x >= 0)
        dialog.move(x, dialog.y());
    if (y >= 0)
        dialog.move(dialog.x(), y);
    dialog.focusButton(defaultResult);
    return dialog.exec();
}

int NoticeDialog(QWidget* parent, const QString& message, DialogKind kind, DialogButtons buttons,
    int helpContext)
{
    const FocusReturn focusReturn;
    MessageDialog dialog(parent, message, kind, buttons);
    dialog.setProperty("helpContext", helpContext);
    return dialog.exec();
}

bool NameQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& text)
{
    const FocusReturn focusReturn;
    NameQueryDialog dialog(parent, caption, prompt, text);
    if (dialog.exec() != DialogResult::OK)
        return false;
    text = dialog.text();
    return true;
}
