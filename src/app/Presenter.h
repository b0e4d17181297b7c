#pragma once

#include "app/Dialogs.h"

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

// A message box to show: its text, kind, buttons and help context.
struct MessageRequest {
    QString message;
    DialogKind kind = DialogKind::Custom;
    DialogButtons buttons;
    int helpContext = 0;
};

// What shows the program's modal boxes and waits for their answers: the screen in the
// program, a script in the tests. Every box the program opens goes through it.
class Presenter {
public:
    virtual ~Presenter() = default;
    // The error report, its text as it is to read.
    virtual void ShowErrorReport(QWidget* window, const QString& text) = 0;
    virtual DialogResult Ask(
        QWidget* parent, const MessageRequest& request, DialogResult focus, int x, int y)
        = 0;
    virtual DialogResult Notify(QWidget* parent, const MessageRequest& request) = 0;
    // True on OK, `text` then holding what was typed.
    virtual bool QueryName(
        QWidget* parent, const QString& caption, const QString& prompt, QString& text)
        = 0;
    // Where to save the record sheet; empty when the user gives up.
    virtual std::optional<QString> ChooseSheetFile(
        QWidget* parent, const QString& caption, const QString& suggested)
        = 0;
    // Sets the printer up for the record sheet; false when the user gives up.
    virtual bool ChoosePrinter(QWidget* parent, const QString& caption, QPrinter& printer) = 0;
};

// The presenter in place: the screen, unless a PresenterInPlace says otherwise.
Presenter& presenter();

// Puts a presenter in place for as long as it lives; the one before comes back after.
class PresenterInPlace {
public:
    explicit PresenterInPlace(Presenter& presenter);
    ~PresenterInPlace();
    PresenterInPlace(const PresenterInPlace&) = delete;
    PresenterInPlace& operator=(const PresenterInPlace&) = delete;

private:
    Presenter* m_previous;
};
