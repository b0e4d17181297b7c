#pragma once

#include "ParcovalError.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <exception>
#include <memory>

// The text shown for an error's message: a "." is added when the last character sorts after ".".
QString ErrorReportText(const QString& message);

// The box the error report is: captioned with the application's title, the stop icon and one
// OK button, named "ErrorReport".
std::unique_ptr<QMessageBox> MakeErrorReportBox(QWidget* window, const QString& text);

// Shows the message through the presenter, modal, and returns when the user has closed it.
void ShowErrorReport(QWidget* window, const QString& message);

// Runs a handler for Qt: an error that escapes it ends it there and is reported, and the
// program goes on. No exception ever unwinds into Qt's own code.
template <typename Handler> void RunGuarded(QWidget* window, Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const ParcovalError& error) {
        ShowErrorReport(window, error.message());
    } catch (const std::exception& error) {
        ShowErrorReport(window, QString::fromLocal8Bit(error.what()));
    }
}

// A slot that runs the handler through RunGuarded.
template <typename Handler> auto Guarded(QWidget* window, Handler handler)
{
    return [window, handler = std::move(handler)]() { RunGuarded(window, handler); };
}
