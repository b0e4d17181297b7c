#include "RecordSheet.h"

#include "ParcovalError.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>

namespace {

const QString kTitle = QStringLiteral("Fiche de promotion et d'ancienneté");

QString cell(const QString& text) { return text.toHtmlEscaped(); }

QString row(const QString& label, const QString& value)
{
    return QStringLiteral("<tr><td width=\"38%\" bgcolor=\"#ecffec\">%1</td><td>%2</td></tr>")
        .arg(cell(label), cell(value));
}

// A ruled table; its lines and spacing in the device's own dots.
QString table(const QString& rows, int dotsPerInch)
{
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%1\" "
                          "border=\"%2\" style=\"border-collapse: collapse; border-color: "
                          "#888888; border-style: solid;\">%3</table>")
        .arg(dotsPerInch / 60)
        .arg(std::max(1, dotsPerInch / 150))
        .arg(rows);
}

QString section(const QString& title)
{
    return QStringLiteral("<h3 style=\"color: #2e7d32;\">%1</h3>").arg(cell(title));
}

QString body(const RecordSheet& sheet, int dotsPerInch)
{
    const QString name
        = sheet.name.isEmpty() ? QStringLiteral("Identité non enregistrée") : sheet.name;
    QString promotions;
    for (std::size_t i = 0; i < 3; ++i)
        promotions += QStringLiteral("<tr><td width=\"38%\">le %1</td><td>%2</td></tr>")
                          .arg(cell(sheet.promotionDates[i]), cell(sheet.rhythms[i]));
    const QString seniority = QStringLiteral("%1 a %2 m %3 j, soit %4 ans")
                                  .arg(sheet.years, sheet.months, sheet.days, sheet.decimalYears);
    return QStringLiteral("<h1 style=\"color: #2e7d32;\">%1</h1>").arg(cell(kTitle))
        + QStringLiteral("<p style=\"font-size: 15pt;\"><b>%1</b></p>").arg(cell(name))
        + table(row(QStringLiteral("NUMEN"), sheet.numen)
                + row(QStringLiteral("Corps"), sheet.corps)
                + row(QStringLiteral("Échelon détenu"), sheet.step)
                + row(QStringLiteral("Atteint le"), sheet.promotionDate),
            dotsPerInch)
        + section(sheet.heading) + table(promotions, dotsPerInch)
        + section(QStringLiteral("Ancienneté"))
        + table(row(QStringLiteral("Ancienneté à partir du"), sheet.seniorityStart)
                + row(QStringLiteral("Ancienneté au"), sheet.referenceDate)
                + row(QStringLiteral("Ancienneté"), seniority),
            dotsPerInch)
        + section(QStringLiteral("Dernière inspection"))
        + table(row(QStringLiteral("Dernière inspection le"), sheet.inspectionDate)
                + row(QStringLiteral("Note obtenue"), sheet.mark)
                + row(QStringLiteral("Appréciation adverbiale"), sheet.appraisal),
            dotsPerInch)
        + section(QStringLiteral("Affectation"))
        + table(row(QStringLiteral("Gestion"),
                    QStringLiteral("%1    %2").arg(sheet.gestion1, sheet.gestion2))
                + row(QStringLiteral("Poste"), sheet.poste)
                + row(QStringLiteral("Lettre (n°RNE école)"), sheet.letter),
            dotsPerInch)
        + section(QStringLiteral("Identification"))
        + table(
            row(QStringLiteral("Min."), sheet.min) + row(QStringLiteral("N° Dos."), sheet.dossier),
            dotsPerInch);
}

QString foot(const RecordSheet& sheet)
{
    return QStringLiteral("<p>Fiche imprimée le %1 par Parcoval.</p><p><i>Les dates de promotion "
                          "sont celles des tables de durées d'échelon que contient le programme : "
                          "elles sont à vérifier auprès de la décision officielle. Être "
                          "promouvable ne signifie pas être promu.</i></p>")
        .arg(cell(sheet.printedOn));
}

// A document laid out for the device, in its dots, the given width.
void prepare(QTextDocument& document, QPaintDevice& device, qreal width, qreal points)
{
    document.documentLayout()->setPaintDevice(&device);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    document.setDefaultFont(font);
    document.setTextWidth(width);
}

} // namespace

void PaintRecordSheet(const RecordSheet& sheet, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw ParcovalError(QStringLiteral("La fiche n'a pas pu être imprimée."));
    const qreal width = device.width();
    const qreal height = device.height();

    QTextDocument footnote;
    prepare(footnote, device, width, 8.5);
    footnote.setHtml(foot(sheet));
    const qreal footHeight = footnote.size().height();

    // One page, whatever the texts: a sheet that would run into the foot is drawn smaller.
    QTextDocument text;
    prepare(text, device, width, 11);
    text.setHtml(body(sheet, device.logicalDpiX()));
    const qreal room = height - footHeight * 1.2;
    const qreal scale = std::min(1.0, room / text.size().height());
    painter.save();
    painter.scale(scale, scale);
    text.setTextWidth(width / scale);
    text.drawContents(&painter, QRectF(0, 0, width / scale, room / scale));
    painter.restore();

    painter.translate(0, height - footHeight);
    painter.setPen(QColor(0x88, 0x88, 0x88));
    painter.drawLine(QPointF(0, 0), QPointF(width, 0));
    footnote.drawContents(&painter, QRectF(0, 0, width, footHeight));
}

void WriteRecordSheetPdf(const RecordSheet& sheet, const QString& fileName)
{
    // Made in memory, then saved whole: QPdfWriter alone would not say that a write failed.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
        writer.setTitle(kTitle);
        writer.setCreator(QStringLiteral("parcoval"));
        PaintRecordSheet(sheet, writer);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.data().size()
        || !file.commit())
        throw ParcovalError(
            QStringLiteral("La fiche n'a pas pu être enregistrée dans « %1 ».").arg(fileName));
}

QString DefaultSheetFileName(const QString& name, QDate today)
{
    QString usable = name;
    static const QRegularExpression unusable(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    usable.replace(unusable, QStringLiteral(" "));
    usable = usable.simplified();
    const QString day = today.toString(Qt::ISODate);
    return usable.isEmpty() ? QStringLiteral("Fiche %1.pdf").arg(day)
                            : QStringLiteral("Fiche %1 %2.pdf").arg(usable, day);
}
