#include "RecordSheetOutput.h"

#include "app/Presenter.h"

#include <QFileInfo>
#include <QPrinter>

void PrintRecordSheet(QWidget* window, const RecordSheet& sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Fiche de promotion et d'ancienneté"));
    if (presenter().ChoosePrinter(window, QStringLiteral("Imprimer la fiche"), printer))
        PaintRecordSheet(sheet, printer);
}

void SaveRecordSheetPdf(QWidget* window, const RecordSheet& sheet, const QString& suggested)
{
    const std::optional<QString> file = presenter().ChooseSheetFile(
        window, QStringLiteral("Enregistrer la fiche en PDF"), suggested);
    if (!file)
        return;
    WriteRecordSheetPdf(
        sheet, QFileInfo(*file).suffix().isEmpty() ? *file + QStringLiteral(".pdf") : *file);
}
