#pragma once

#include "app/Presenter.h"

#include <memory>

class QFileDialog;
class QPrintDialog;

// The program's boxes on the screen: each modal, the focus going back where it was after.
class ScreenPresenter : public Presenter {
public:
    void ShowErrorReport(QWidget* window, const QString& text) override;
    DialogResult Ask(
        QWidget* parent, const MessageRequest& request, DialogResult focus, int x, int y) override;
    DialogResult Notify(QWidget* parent, const MessageRequest& request) override;
    bool QueryName(
        QWidget* parent, const QString& caption, const QString& prompt, QString& text) override;
    std::optional<QString> ChooseSheetFile(
        QWidget* parent, const QString& caption, const QString& suggested) override;
    bool ChoosePrinter(QWidget* parent, const QString& caption, QPrinter& printer) override;
};

// Qt's own file dialog, so that it speaks French with the rest of the program, asking where
// to save a PDF, from `suggested`.
std::unique_ptr<QFileDialog> MakeSheetFileDialog(
    QWidget* parent, const QString& caption, const QString& suggested);

// Qt's print dialog for the printer, printing to a file allowed.
std::unique_ptr<QPrintDialog> MakeSheetPrintDialog(
    QWidget* parent, const QString& caption, QPrinter& printer);
