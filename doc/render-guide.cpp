// Renders the user guide from its Markdown source to an A4 PDF: a title page from the first
// heading and the line under it, then the text with its headings, lists and tables, a running
// head and page numbers. Qt's own text layout does the work; nothing else is needed.
// Usage: render-guide GUIDE.md OUT.pdf VERSION DATE ICON.png
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>
#include <cstdio>

namespace {

const QColor kGreen(0x2e, 0x7d, 0x32);
const QColor kPaleGreen(0xcc, 0xff, 0xcc);
const QColor kBlue(0x00, 0x00, 0xb0);
const QString kFamily = QStringLiteral("Liberation Sans");
constexpr int kDotsPerInch = 300;

// Frame and block measures are in the device's dots.
constexpr qreal millimetres(qreal length) { return length * kDotsPerInch / 25.4; }

struct Source {
    QString title;
    QString subtitle;
    QString body;
};

// The first heading and the line under it make the title page; the rest is the text.
Source split(const QString& markdown)
{
    Source source;
    QStringList lines = markdown.split(u'\n');
    while (!lines.isEmpty() && !lines.front().startsWith(u"# "))
        lines.removeFirst();
    if (!lines.isEmpty())
        source.title = lines.takeFirst().mid(2).trimmed();
    while (!lines.isEmpty() && lines.front().trimmed().isEmpty())
        lines.removeFirst();
    if (!lines.isEmpty() && !lines.front().startsWith(u'#')) {
        source.subtitle = lines.takeFirst().trimmed();
        source.subtitle.remove(u'*');
    }
    source.body = lines.join(u'\n');
    return source;
}

QFont font(qreal points, bool bold = false)
{
    QFont result(kFamily);
    result.setPointSizeF(points);
    result.setBold(bold);
    return result;
}

// Headings in the program's green, sized by level, with room above them.
void styleHeadings(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(millimetres(level == 2 ? 5 : 3));
        format.setBottomMargin(millimetres(1.5));
        cursor.setBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat characters;
        characters.setFont(font(level == 2 ? 16 : 12.5, true));
        characters.setForeground(level == 2 ? kGreen : kBlue);
        cursor.mergeCharFormat(characters);
    }
}

// Thin ruled tables, the heading row on the window's pale green.
void styleTables(QTextFrame* frame)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(millimetres(0.2));
            format.setBorderBrush(QColor(0x88, 0x88, 0x88));
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellPadding(millimetres(0.7));
            format.setCellSpacing(0);
            format.setHeaderRowCount(1);
            format.setTopMargin(millimetres(1.5));
            format.setBottomMargin(millimetres(1));
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat heading = cell.format();
                heading.setBackground(kPaleGreen);
                heading.setFontWeight(QFont::Bold);
                cell.setFormat(heading);
            }
        }
        styleTables(child);
    }
}

// Qt has no "keep with next": a heading that would end a page, with less than a few lines
// under it, is pushed to the next one by a taller margin above it. The layout is redone
// after each push, since it moves everything after it.
void keepHeadingsWithTheirText(QTextDocument& document)
{
    const qreal page = document.pageSize().height();
    const qreal room
        = QFontMetricsF(document.defaultFont(), document.documentLayout()->paintDevice()).height()
        * 5;
    for (bool pushed = true; pushed;) {
        pushed = false;
        for (QTextBlock block = document.begin(); block.isValid() && !pushed;
             block = block.next()) {
            if (block.blockFormat().headingLevel() == 0)
                continue;
            // A heading right under it (a section's first subsection) goes with it.
            QTextBlock last = block;
            while (last.next().isValid() && last.next().blockFormat().headingLevel() > 0)
                last = last.next();
            const QRectF box = document.documentLayout()->blockBoundingRect(block);
            const qreal bottom = document.documentLayout()->blockBoundingRect(last).bottom();
            const qreal pageEnd = (std::floor(box.top() / page) + 1) * page;
            if (bottom + room > pageEnd && box.top() > pageEnd - page + room) {
                QTextBlockFormat format = block.blockFormat();
                format.setTopMargin(format.topMargin() + pageEnd - box.top());
                QTextCursor(block).setBlockFormat(format);
                document.markContentsDirty(0, document.characterCount());
                pushed = true;
            }
        }
    }
}

void drawTitlePage(QPainter& painter, const QRectF& page, const Source& source,
    const QString& version, const QString& date, const QImage& icon)
{
    painter.fillRect(
        QRectF(page.left(), page.top(), page.width(), page.height() * 0.42), kPaleGreen);
    const qreal unit = page.width() / 100;
    if (!icon.isNull())
        painter.drawImage(
            QRectF(page.center().x() - 12 * unit, page.height() * 0.12, 24 * unit, 24 * unit),
            icon);
    painter.setPen(kGreen);
    painter.setFont(font(30, true));
    QRectF titleBox(page.left(), page.height() * 0.46, page.width(), page.height() * 0.12);
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, source.title);
    painter.setPen(Qt::black);
    painter.setFont(font(14));
    QRectF subtitleBox(page.left() + 8 * unit, page.height() * 0.60, page.width() - 16 * unit,
        page.height() * 0.1);
    painter.drawText(
        subtitleBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, source.subtitle);
    painter.setFont(font(12));
    painter.drawText(QRectF(page.left(), page.height() * 0.80, page.width(), page.height() * 0.05),
        Qt::AlignHCenter, QStringLiteral("Version %1 — %2").arg(version, date));
}

void drawFooter(QPainter& painter, const QRectF& page, const QString& title, int number, int count)
{
    painter.save();
    painter.setFont(font(8.5));
    painter.setPen(QColor(0x55, 0x55, 0x55));
    const qreal line = painter.fontMetrics().height();
    const QRectF footer(page.left(), page.bottom() - line, page.width(), line);
    painter.drawLine(
        footer.topLeft() - QPointF(0, line * 0.4), footer.topRight() - QPointF(0, line * 0.4));
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("Page %1 sur %2").arg(number).arg(count));
    painter.restore();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 6) {
        std::fputs("usage: render-guide GUIDE.md OUT.pdf VERSION DATE ICON.png\n", stderr);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "render-guide: %s illisible\n", argv[1]);
        return 1;
    }
    const Source source = split(QString::fromUtf8(input.readAll()));
    const QImage icon(QString::fromLocal8Bit(argv[5]));

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setTitle(source.title);
    writer.setCreator(QStringLiteral("parcoval"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        std::fprintf(stderr, "render-guide: %s impossible à écrire\n", argv[2]);
        return 1;
    }
    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(font(10.5));
    document.setMarkdown(source.body);
    styleHeadings(document);
    styleTables(document.rootFrame());
    // The text runs above a footer line.
    const qreal footerRoom = QFontMetricsF(font(8.5), &writer).height() * 2.2;
    document.setPageSize(QSizeF(page.width(), page.height() - footerRoom));
    keepHeadingsWithTheirText(document);
    const int bodyPages = document.pageCount();
    const int pages = bodyPages + 1;

    drawTitlePage(painter, page, source, QString::fromLocal8Bit(argv[3]),
        QString::fromLocal8Bit(argv[4]), icon);
    drawFooter(painter, page, source.title, 1, pages);
    const qreal height = document.pageSize().height();
    for (int index = 0; index < bodyPages; ++index) {
        writer.newPage();
        painter.save();
        painter.translate(0, -index * height);
        document.drawContents(&painter, QRectF(0, index * height, page.width(), height));
        painter.restore();
        drawFooter(painter, page, source.title, index + 2, pages);
    }
    painter.end();
    return 0;
}
