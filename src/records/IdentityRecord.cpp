#include "IdentityRecord.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

constexpr char kCodePage[] = "windows-1252";

// One byte per character; "?" for what the code page cannot hold.
QByteArray encode(const QString& text, int capacity)
{
    QByteArray bytes;
    for (const uint ucs4 : text.toUcs4()) {
        const char32_t codePoint = ucs4;
        if (bytes.size() == capacity)
            break;
        // A fresh encoder each time: once it has met an error it keeps reporting one.
        QStringEncoder encoder(kCodePage);
        const QByteArray one = encoder.encode(QString::fromUcs4(&codePoint, 1));
        const bool held = !encoder.hasError() && one.size() == 1;
        bytes += held ? one : QByteArrayLiteral("?");
    }
    return bytes;
}

} // namespace

void ClearFieldTails(IdentityRecord& record)
{
    for (const FieldLayout& layout : kFieldLayouts) {
        auto* start = record.bytes.data() + layout.offset;
        start[0] = std::min<std::uint8_t>(start[0], std::uint8_t(layout.capacity));
        std::fill(start + 1 + start[0], start + 1 + layout.capacity, std::uint8_t(0));
    }
}

QString ReadField(const IdentityRecord& record, RecordField field)
{
    const FieldLayout layout = LayoutOf(field);
    // A length byte beyond the capacity can only come from a damaged file: read what fits.
    const int length = std::min<int>(record.bytes[std::size_t(layout.offset)], layout.capacity);
    const auto* text = reinterpret_cast<const char*>(record.bytes.data() + layout.offset + 1);
    QStringDecoder decoder(kCodePage);
    return decoder.decode(QByteArrayView(text, length));
}

void WriteField(IdentityRecord& record, RecordField field, const QString& text)
{
    const FieldLayout layout = LayoutOf(field);
    QByteArray bytes = encode(text, layout.capacity);
    if (field == RecordField::Numen) {
        for (char& c : bytes) {
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
        }
    }
    auto* start = record.bytes.data() + layout.offset;
    std::fill(start, start + 1 + layout.capacity, std::uint8_t(0));
    start[0] = std::uint8_t(bytes.size());
    std::copy(bytes.begin(), bytes.end(), start + 1);
}
