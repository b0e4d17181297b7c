#include "records/IdentityRecord.h"
#include "records/RecordFields.h"
#include "records/RecordTable.h"

#include <QtTest>

Q_DECLARE_METATYPE(RecordField)

namespace {

QByteArray bytesOf(const IdentityRecord& record, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes.data()) + from, count);
}

IdentityRecord named(const QString& name)
{
    IdentityRecord record;
    WriteField(record, RecordField::Name, name);
    return record;
}

} // namespace

class TestIdentityRecord : public QObject {
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<RecordField>("field");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("capacity");
        QTest::newRow("Name") << RecordField::Name << 0 << 20;
        QTest::newRow("Step") << RecordField::Step << 21 << 2;
        QTest::newRow("PromotionDate") << RecordField::PromotionDate << 24 << 10;
        QTest::newRow("Mark") << RecordField::Mark << 35 << 6;
        QTest::newRow("InspectionDate") << RecordField::InspectionDate << 42 << 10;
        QTest::newRow("Appraisal") << RecordField::Appraisal << 53 << 20;
        QTest::newRow("SeniorityStart") << RecordField::SeniorityStart << 74 << 10;
        QTest::newRow("Numen") << RecordField::Numen << 85 << 20;
        QTest::newRow("Gestion1") << RecordField::Gestion1 << 106 << 10;
        QTest::newRow("Gestion2") << RecordField::Gestion2 << 117 << 10;
        QTest::newRow("Poste") << RecordField::Poste << 128 << 10;
        QTest::newRow("Min") << RecordField::Min << 139 << 5;
        QTest::newRow("Dossier") << RecordField::Dossier << 145 << 5;
        QTest::newRow("Letter") << RecordField::Letter << 151 << 1;
    }
    // A field filled to its capacity occupies exactly its bytes and touches no other.
    void layout()
    {
        QFETCH(RecordField, field);
        QFETCH(int, offset);
        QFETCH(int, capacity);
        IdentityRecord record;
        record.bytes.fill(0xEE);
        WriteField(record, field, QString(capacity + 3, u'7'));
        QCOMPARE(int(record.bytes[std::size_t(offset)]), capacity);
        QCOMPARE(bytesOf(record, offset + 1, capacity), QByteArray(capacity, '7'));
        if (offset > 0)
            QCOMPARE(int(record.bytes[std::size_t(offset - 1)]), 0xEE);
        if (offset + 1 + capacity < IdentityRecord::kSize)
            QCOMPARE(int(record.bytes[std::size_t(offset + 1 + capacity)]), 0xEE);
        QCOMPARE(ReadField(record, field), QString(capacity, u'7'));
    }

    void fieldsTileTheRecord()
    {
        int next = 0;
        for (int i = 0; i <= int(RecordField::Letter); ++i) {
            const FieldLayout layout = LayoutOf(RecordField(i));
            QCOMPARE(layout.offset, next);
            next += layout.capacity + 1;
        }
        QCOMPARE(next, IdentityRecord::kSize);
        QCOMPARE(int(sizeof(IdentityRecord)), IdentityRecord::kSize);
    }

    void sixCharacterNameInAFreshSlot()
    {
        const IdentityRecord record = named(QStringLiteral("Dupont"));
        QCOMPARE(int(record.bytes[0]), 6);
        QCOMPARE(bytesOf(record, 1, 6), QByteArray("Dupont"));
        QCOMPARE(bytesOf(record, 7, 14), QByteArray(14, '\0'));
    }

    void longNameIsCutTo20()
    {
        const IdentityRecord record = named(QStringLiteral("Abcdefghijklmnopqrstuvwxy"));
        QCOMPARE(int(record.bytes[0]), 20);
        QCOMPARE(ReadField(record, RecordField::Name), QStringLiteral("Abcdefghijklmnopqrst"));
    }

    void numenUpperCasesOnlyAToZ()
    {
        IdentityRecord record;
        WriteField(record, RecordField::Numen, QStringLiteral("abzé09xY"));
        QCOMPARE(bytesOf(record, 85, 9),
            QByteArray("\x08"
                       "ABZ\xE9"
                       "09XY"));
        WriteField(record, RecordField::Name, QStringLiteral("abz"));
        QCOMPARE(ReadField(record, RecordField::Name), QStringLiteral("abz"));
    }

    void emptyMaskedDateIsStoredWithLength8()
    {
        IdentityRecord record;
        WriteField(record, RecordField::InspectionDate, QStringLiteral("  /  /  "));
        QCOMPARE(bytesOf(record, 42, 11), QByteArray("\x08  /  /  \0\0", 11));
    }

    // A shorter text leaves zeros behind it, never the tail of the longer one before it.
    void shorterTextClearsTheRestOfItsField()
    {
        IdentityRecord record = named(QStringLiteral("Marie-Christine Lefèvre"));
        WriteField(record, RecordField::Name, QStringLiteral("Paul"));
        QCOMPARE(bytesOf(record, 0, 21), QByteArray("\x04Paul", 5) + QByteArray(16, '\0'));
    }

    // Files written by older programs kept such tails; reading takes only the length's bytes.
    void bytesAfterTheTextAreIgnored()
    {
        IdentityRecord record = named(QStringLiteral("Bernadette"));
        record.bytes[0] = 3;
        QCOMPARE(ReadField(record, RecordField::Name), QStringLiteral("Ber"));
    }

    void windows1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("accents") << "Élève à Noël" << QByteArray("\xC9l\xE8ve \xE0 No\xEBl")
                                 << "Élève à Noël";
        QTest::newRow("euro et œ") << "€œ" << QByteArray("\x80\x9C") << "€œ";
        QTest::newRow("hors de la page de code") << "Łódź"
                                                 << QByteArray("?\xF3"
                                                               "d?")
                                                 << "?ód?";
        QTest::newRow("hors du plan de base") << "a😀b" << QByteArray("a?b") << "a?b";
    }
    void windows1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readBack);
        IdentityRecord record;
        WriteField(record, RecordField::Appraisal, text);
        QCOMPARE(bytesOf(record, 54, int(record.bytes[53])), bytes);
        QCOMPARE(ReadField(record, RecordField::Appraisal), readBack);
    }

    void lengthByteBeyondCapacityReadsWhatFits()
    {
        IdentityRecord record;
        WriteField(record, RecordField::Letter, QStringLiteral("B"));
        record.bytes[151] = 200;
        QCOMPARE(ReadField(record, RecordField::Letter), QStringLiteral("B"));
    }

    void takeFields()
    {
        IdentityRecord record = named(QStringLiteral("Durand"));
        // Each text field gets "x" and its field number.
        TakeFields(
            record, 9, [](RecordField field) { return QStringLiteral("x%1").arg(int(field)); });
        QCOMPARE(ReadField(record, RecordField::Name), QStringLiteral("Durand"));
        QCOMPARE(ReadField(record, RecordField::Step), QStringLiteral("10"));
        QCOMPARE(ReadField(record, RecordField::PromotionDate), QStringLiteral("x2"));
        QCOMPARE(ReadField(record, RecordField::Dossier), QStringLiteral("x12"));
        QCOMPARE(ReadField(record, RecordField::Numen), QStringLiteral("X7"));
        QCOMPARE(ReadField(record, RecordField::Letter), QStringLiteral("x"));
        QCOMPARE(StepIndexOf(record), 9);
    }

    // Every text field but the name and the step is filled, each once.
    void fillOrderHoldsEveryTextField()
    {
        QSet<RecordField> fields;
        for (const TextField& text : kTextFieldsInFillOrder) {
            QVERIFY(!fields.contains(text.field));
            fields.insert(text.field);
            QCOMPARE(text.capacity, LayoutOf(text.field).capacity);
        }
        QCOMPARE(fields.size(), 12);
        QVERIFY(!fields.contains(RecordField::Name) && !fields.contains(RecordField::Step));
        QCOMPARE(kTextFieldsInFillOrder.front().field, RecordField::PromotionDate);
        QCOMPARE(kTextFieldsInFillOrder.back().field, RecordField::Letter);
    }

    void findByExactName()
    {
        RecordTable table;
        const QStringList names { "Martin", "martin", "Martin ", "Éric", "Martin" };
        for (int i = 0; i < names.size(); ++i)
            table.slot(i + 1) = named(names[i]);
        table.count = 4;
        QCOMPARE(table.find(QStringLiteral("Martin")), std::optional(1));
        QCOMPARE(table.find(QStringLiteral("martin")), std::optional(2));
        QCOMPARE(table.find(QStringLiteral("Martin ")), std::optional(3));
        QCOMPARE(table.find(QStringLiteral("Éric")), std::optional(4));
        QCOMPARE(table.find(QStringLiteral("Eric")), std::nullopt);
        QCOMPARE(table.find(QString()), std::nullopt);
        table.count = 0;
        QCOMPARE(table.find(QStringLiteral("Martin")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestIdentityRecord)
#include "tst_identityrecord.moc"
