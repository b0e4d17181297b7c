#include "RecordSheetOutput.h"

#include "app/FocusReturn.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

void PrintRecordSheet(QWidget* window, const RecordSheet& sheet)
{
    const FocusReturn focusReturn;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Fiche de promotion et d'ancienneté"));
    QPrintDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("SheetPrintDialog"));
    dialog.setWindowTitle(QStringLiteral("Imprimer la fiche"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PaintRecordSheet(sheet, printer);
}

void SaveRecordSheetPdf(QWidget* window, const RecordSheet& sheet, const QString& suggested)
{
    const FocusReturn focusReturn;
    // Qt's own dialog, so that it speaks French with the rest of the program.
    QFileDialog dialog(window, QStringLiteral("Enregistrer la fiche en PDF"));
    dialog.setObjectName(QStringLiteral("SheetFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Documents PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    WriteRecordSheetPdf(sheet, dialog.selectedFiles().constFirst());
}
