#include "Dialogs.h"

#include "app/Presenter.h"

DialogResult AskDialog(QWidget* parent, const QString& message, DialogKind kind,
    DialogButtons buttons, DialogResult defaultResult, int helpContext, int x, int y)
{
    return presenter().Ask(parent, { message, kind, buttons, helpContext }, defaultResult, x, y);
}

DialogResult NoticeDialog(QWidget* parent, const QString& message, DialogKind kind,
    DialogButtons buttons, int helpContext)
{
    return presenter().Notify(parent, { message, kind, buttons, helpContext });
}

bool NameQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& text)
{
    return presenter().QueryName(parent, caption, prompt, text);
}
