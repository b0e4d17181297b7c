#pragma once

#include <QFlags>
#include <QString>

class QWidget;

enum class DialogKind { Warning, Error, Information, Confirmation, Custom };

// Buttons of a message dialog, always shown in this order.
enum class DialogButton {
    Yes = 1 << 0,
    No = 1 << 1,
    OK = 1 << 2,
    Cancel = 1 << 3,
    Abort = 1 << 4,
    Retry = 1 << 5,
    Ignore = 1 << 6,
    All = 1 << 7,
    NoToAll = 1 << 8,
    YesToAll = 1 << 9,
    Help = 1 << 10,
};
Q_DECLARE_FLAGS(DialogButtons, DialogButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(DialogButtons)

// What closed a dialog. The close box, Alt+F4, or the application ending give Cancel.
enum class DialogResult : int {
    None = 0,
    OK = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
    All = 8,
    NoToAll = 9,
    YesToAll = 10,
};

// A modal message dialog whose focus starts on the button answering `defaultResult`
// (the first button when none does). x and y, when not -1, place its left and top edges.
DialogResult AskDialog(QWidget* parent, const QString& message, DialogKind kind,
    DialogButtons buttons, DialogResult defaultResult, int helpContext, int x = -1, int y = -1);

// A modal message dialog, centred, its focus on the first button.
DialogResult NoticeDialog(QWidget* parent, const QString& message, DialogKind kind,
    DialogButtons buttons, int helpContext);

// Asks for a text of at most 255 characters, shown preset and selected. True only on OK,
// `text` then holding exactly what was typed; otherwise `text` is left as it was.
// All three go through the presenter (app/Presenter.h).
bool NameQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& text);
