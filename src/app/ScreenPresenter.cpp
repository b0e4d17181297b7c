#include "ScreenPresenter.h"

#include "app/ErrorReport.h"
#include "app/FocusReturn.h"
#include "app/MessageDialog.h"
#include "app/NameQueryDialog.h"

#include <QFileDialog>
#include <QPrintDialog>

void ScreenPresenter::ShowErrorReport(QWidget* window, const QString& text)
{
    const FocusReturn focusReturn;
    MakeErrorReportBox(window, text)->exec();
}

DialogResult ScreenPresenter::Ask(
    QWidget* parent, const MessageRequest& request, DialogResult focus, int x, int y)
{
    const FocusReturn focusReturn;
    return DialogResult(MessageDialog::ForAsk(parent, request, focus, x, y)->exec());
}

DialogResult ScreenPresenter::Notify(QWidget* parent, const MessageRequest& request)
{
    const FocusReturn focusReturn;
    MessageDialog dialog(parent, request);
    return DialogResult(dialog.exec());
}

bool ScreenPresenter::QueryName(
    QWidget* parent, const QString& caption, const QString& prompt, QString& text)
{
    const FocusReturn focusReturn;
    NameQueryDialog dialog(parent, caption, prompt, text);
    if (dialog.exec() != int(DialogResult::OK))
        return false;
    text = dialog.text();
    return true;
}

std::optional<QString> ScreenPresenter::ChooseSheetFile(
    QWidget* parent, const QString& caption, const QString& suggested)
{
    const FocusReturn focusReturn;
    const auto dialog = MakeSheetFileDialog(parent, caption, suggested);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

bool ScreenPresenter::ChoosePrinter(QWidget* parent, const QString& caption, QPrinter& printer)
{
    const FocusReturn focusReturn;
    return MakeSheetPrintDialog(parent, caption, printer)->exec() == QDialog::Accepted;
}

std::unique_ptr<QFileDialog> MakeSheetFileDialog(
    QWidget* parent, const QString& caption, const QString& suggested)
{
    auto dialog = std::make_unique<QFileDialog>(parent, caption);
    dialog->setObjectName(QStringLiteral("SheetFileDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(QStringLiteral("Documents PDF (*.pdf)"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(suggested);
    return dialog;
}

std::unique_ptr<QPrintDialog> MakeSheetPrintDialog(
    QWidget* parent, const QString& caption, QPrinter& printer)
{
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setObjectName(QStringLiteral("SheetPrintDialog"));
    dialog->setWindowTitle(caption);
    dialog->setOption(QAbstractPrintDialog::PrintToFile);
    return dialog;
}
