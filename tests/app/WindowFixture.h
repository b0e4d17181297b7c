#pragma once

#include "ScriptedAnswers.h"
#include "Unit1.h"
#include "conventions/Calendar.h"
#include "conventions/DateConventions.h"
#include "conventions/LocalClock.h"
#include "conventions/LocaleConventions.h"
#include "conventions/NumberText.h"
#include "progression/StepDurations.h"
#include "records/DataFile.h"
#include "records/DataFileRewrite.h"
#include "records/RecordFields.h"

#include <QtTest>

// The record of one person, as the window would store it.
struct Person {
    QString name;
    int step = 1;
    QString promotionDate = QStringLiteral("31/08/00");
    QString seniorityStart = QStringLiteral("01/09/01");
    QString appraisal = QStringLiteral("très bien");
    QString numen = QStringLiteral("12E3456789ABC");

    IdentityRecord record() const
    {
        IdentityRecord result;
        WriteField(result, RecordField::Name, name);
        WriteField(result, RecordField::Step, QString::number(step));
        WriteField(result, RecordField::PromotionDate, promotionDate);
        WriteField(result, RecordField::InspectionDate, QStringLiteral("  /  /  "));
        WriteField(result, RecordField::Mark, QStringLiteral("14,5"));
        WriteField(result, RecordField::Appraisal, appraisal);
        WriteField(result, RecordField::SeniorityStart, seniorityStart);
        WriteField(result, RecordField::Numen, numen);
        WriteField(result, RecordField::Poste, QStringLiteral("EEPU"));
        return result;
    }
};

inline QByteArray DataFileBytes()
{
    QFile file(QString::fromLatin1(kDataFileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList NamesInFile()
{
    const QByteArray bytes = DataFileBytes();
    QStringList names;
    for (qsizetype at = 0; at + IdentityRecord::kSize <= bytes.size();
         at += IdentityRecord::kSize) {
        IdentityRecord record;
        std::copy_n(bytes.constData() + at, IdentityRecord::kSize,
            reinterpret_cast<char*>(record.bytes.data()));
        names << ReadField(record, RecordField::Name);
    }
    return names;
}

// A fresh start of the program in an empty directory of its own: the conventions of a
// machine without a locale, today 10 December 2026, and the given data file. Whatever it
// changes of the process (the conventions, the decimal mark, the durations, the table, the
// clock, the current directory) is as it was once it goes. A box that no script of the test
// answers fails the test at once.
class WindowFixture {
public:
    explicit WindowFixture(
        const std::vector<Person>& people = {}, const QString& localePattern = {})
    {
        QVERIFY(m_directory.isValid());
        QVERIFY(QDir::setCurrent(m_directory.path()));
        recordTable() = RecordTable {};
        currentDurations() = StepDurations {};
        ReadDateConventions(QLocale::c(), dateConventions());
        dateConventions().YearWindow = 50;
        if (!localePattern.isEmpty())
            dateConventions().DatePattern = localePattern;
        decimalMark() = u'.';
        SetLocalClock([] { return std::chrono::year { 2026 } / 12 / 10; });
        if (!people.empty()) {
            std::vector<IdentityRecord> records;
            for (const Person& person : people)
                records.push_back(person.record());
            WriteDataFile(records);
        }
        // Created last: it takes the conventions of its creation, as the program at its start.
        m_form = std::make_unique<TForm1>();
    }
    ~WindowFixture()
    {
        m_form.reset();
        SetLocalClock({});
        dateConventions() = m_saved.conventions;
        decimalMark() = m_saved.mark;
        currentDurations() = m_saved.durations;
        recordTable() = m_saved.table;
        QDir::setCurrent(m_saved.directory);
    }
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    // Shows the window and waits for its first activation to have run.
    void start()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QTRY_COMPARE(edit<CalendarDateEdit>("MaskEdit3")->date(), TodaysDate(LocalToday()));
    }

    TForm1& form() { return *m_form; }

    // A control of the window. One that is missing fails the test, and a stand-in is given
    // so that the test goes on to its end.
    template <typename Widget = QLineEdit> Widget* edit(const char* name)
    {
        if (auto* widget = m_form->findChild<Widget*>(QString::fromLatin1(name)))
            return widget;
        QTest::qFail(
            qPrintable(QStringLiteral("pas de contrôle %1").arg(QString::fromLatin1(name))),
            __FILE__, __LINE__);
        auto* standIn = new Widget;
        m_standIns.emplace_back(standIn);
        return standIn;
    }
    QString text(const char* name) { return edit(name)->text(); }
    QString caption(const char* name) { return edit<QLabel>(name)->text(); }
    QString date(const char* name) { return edit<MaskDateEdit>(name)->dateText(); }
    NameComboBox* names() { return edit<NameComboBox>("ComboBox1"); }
    RadioGroup* steps() { return edit<RadioGroup>("RadioGroup1"); }
    QStringList seniority()
    {
        return { text("Edit6"), text("Edit7"), text("Edit8"), caption("Label19") };
    }
    QStringList promotionDates() { return { text("Edit1"), text("Edit2"), text("Edit3") }; }

    void click(const char* name)
    {
        QTest::mouseClick(edit<QWidget>(name), Qt::LeftButton, {}, QPoint(4, 4));
    }

    // As the platform delivers it: to the window, which passes it to the control under the pointer.
    void clickThroughTheWindow(const char* name)
    {
        QWidget* control = edit<QWidget>(name);
        const QPoint centre = control->mapTo(m_form.get(), control->rect().center());
        QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, centre);
    }

private:
    struct SavedState {
        DateConventions conventions = dateConventions();
        QChar mark = decimalMark();
        StepDurations durations = currentDurations();
        RecordTable table = recordTable();
        QString directory = QDir::currentPath();
    };
    SavedState m_saved;
    ScriptedAnswers m_noBoxExpected;
    QTemporaryDir m_directory;
    std::unique_ptr<TForm1> m_form;
    std::vector<std::unique_ptr<QWidget>> m_standIns;
};
