#include "CivilDate.h"
#include "controls/CalendarDateEdit.h"

#include <QCalendarWidget>
#include <QTextCharFormat>
#include <QToolButton>
#include <QtTest>

namespace {

// A field as the window hands it its rules, today being 10 December 2026.
std::unique_ptr<CalendarDateEdit> fieldWithPattern(const QString& pattern, QWidget* parent)
{
    auto field = std::make_unique<CalendarDateEdit>(parent);
    field->setDateRules(DateFieldShapeOf(pattern), u'/', 50);
    field->setToday([] { return date(2026, 12, 10); });
    return field;
}

} // namespace

class TestCalendarDateEdit : public QObject {
    Q_OBJECT
    QWidget m_window;

private slots:
    void initTestCase()
    {
        m_window.resize(300, 100);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    void shapeHandedByTheWindow_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("jour d'abord, quatre chiffres") << "dd/mm/yyyy"
                                                       << "08/12/2026"
                                                       << "08/12/2026";
        QTest::newRow("année sur deux chiffres dans un champ à quatre") << "dd/MM/YYYY"
                                                                        << "08/12/26"
                                                                        << "08/12/  26";
        QTest::newRow("jour d'abord, deux chiffres") << "dd/mm/yy"
                                                     << "08/12/2026"
                                                     << "08/12/26";
        QTest::newRow("mois d'abord") << "m/d/yy"
                                      << "12/08/26"
                                      << "12/08/26";
        QTest::newRow("année d'abord") << "yyyy/mm/dd"
                                       << "2026/12/08"
                                       << "2026/12/08";
        QTest::newRow("parties courtes") << "dd/mm/yy"
                                         << "8/1/6"
                                         << " 8/ 1/ 6";
        QTest::newRow("vide") << "dd/mm/yy"
                              << ""
                              << "  /  /  ";
    }
    void shapeHandedByTheWindow()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, written);
        QFETCH(QString, read);
        auto field = fieldWithPattern(pattern, &m_window);
        field->setDateText(written);
        QCOMPARE(field->dateText(), read);
        QCOMPARE(field->text(), read);
    }

    // The change notification follows every change of the text and nothing else.
    void changeNotification()
    {
        auto field = fieldWithPattern(QStringLiteral("dd/mm/yy"), &m_window);
        QSignalSpy changed(field.get(), &CalendarDateEdit::dateTextChanged);
        field->setDateText(QStringLiteral("08/12/26"));
        QCOMPARE(changed.count(), 1);
        field->setDateText(QStringLiteral("08/12/26"));
        QCOMPARE(changed.count(), 1);
        field->setDateText(QString());
        QCOMPARE(changed.count(), 2);
        field->setFocus();
        field->setCursorPosition(0);
        QTest::keyClicks(field.get(), QStringLiteral("0911"));
        QCOMPARE(changed.count(), 6);
        QCOMPARE(field->dateText(), QStringLiteral("09/11/  "));
        QTest::keyClick(field.get(), Qt::Key_X);
        QCOMPARE(changed.count(), 6);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("result");
        const int keypad = int(Qt::KeypadModifier);
        QTest::newRow("+ du pavé: lendemain")
            << "31/12/26" << int(Qt::Key_Plus) << keypad << "01/01/27";
        QTest::newRow("- du pavé: veille")
            << "01/03/24" << int(Qt::Key_Minus) << keypad << "29/02/24";
        QTest::newRow("+ sans date: demain") << "" << int(Qt::Key_Plus) << keypad << "11/12/26";
        QTest::newRow("- sur un texte faux: hier")
            << "45/13/26" << int(Qt::Key_Minus) << keypad << "09/12/26";
        QTest::newRow("T: aujourd'hui") << "01/01/01" << int(Qt::Key_T) << 0 << "10/12/26";
        QTest::newRow("t: aujourd'hui")
            << "01/01/01" << int(Qt::Key_T) << int(Qt::ShiftModifier) << "10/12/26";
        QTest::newRow("+ du clavier principal refusé")
            << "01/01/01" << int(Qt::Key_Plus) << 0 << "01/01/01";
    }
    void keys()
    {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, result);
        auto field = fieldWithPattern(QStringLiteral("dd/mm/yy"), &m_window);
        field->setDateText(start);
        field->setFocus();
        const QString text = key == Qt::Key_T
            ? (modifiers ? QStringLiteral("T") : QStringLiteral("t"))
            : QString(QChar(key == Qt::Key_Plus ? u'+' : u'-'));
        QTest::sendKeyEvent(
            QTest::Click, field.get(), Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(field->dateText(), result);
    }

    void calendar()
    {
        auto field = fieldWithPattern(QStringLiteral("dd/mm/yyyy"), &m_window);
        field->setDateText(QStringLiteral("15/03/2024"));
        QToolButton* button = field->calendarButton();
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(button, Qt::LeftButton);
        QCalendarWidget* calendar = field->calendar();
        QTRY_VERIFY(calendar->isVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 15));
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(calendar->weekdayTextFormat(Qt::Sunday).foreground().color(), QColor(Qt::red));
        QVERIFY(calendar->weekdayTextFormat(Qt::Saturday).foreground().color() != QColor(Qt::red));
        QWidget* view = calendar->focusWidget() ? calendar->focusWidget() : calendar;
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(calendar->selectedDate(), QDate(2024, 4, 15));
        QTest::keyClick(view, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(calendar->selectedDate(), QDate(2023, 4, 15));
        QTest::keyClick(view, Qt::Key_Escape);
        QTRY_VERIFY(!calendar->isVisible());
        QCOMPARE(field->dateText(), QStringLiteral("15/03/2024"));

        field->setFocus();
        QTest::keyClick(field.get(), Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(calendar->isVisible());
        view = calendar->focusWidget() ? calendar->focusWidget() : calendar;
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!calendar->isVisible());
        QCOMPARE(field->dateText(), QStringLiteral("16/03/2024"));
    }

    // The delimiter and the window's year rule are the ones handed over.
    void delimiterAndYearWindowHandedOver()
    {
        CalendarDateEdit field(&m_window);
        field.setDateRules(DateFieldShapeOf(QStringLiteral("dd.mm.yyyy")), u'.', 30);
        field.setToday([] { return date(2026, 12, 10); });
        field.setDateText(QStringLiteral("29.02.96"));
        QCOMPARE(field.text(), QStringLiteral("29.02.  96"));
        // Window 30 in 2026: two-digit years run from 1996 to 2095.
        QCOMPARE(field.date(), std::optional(date(1996, 2, 29)));
        // After a change of the user's settings, texts are written and read with the new one.
        field.setDelimiter(u'-');
        QCOMPARE(field.dateText(), QStringLiteral("29-02-  96"));
        QCOMPARE(field.date(), std::optional(date(1996, 2, 29)));
        field.setDate(date(2001, 1, 5));
        QCOMPARE(field.text(), QStringLiteral("05-01-2001"));
    }

    void calendarOpensOnTodayWithoutADate()
    {
        auto field = fieldWithPattern(QStringLiteral("dd/mm/yy"), &m_window);
        field->showCalendar();
        QCOMPARE(field->calendar()->selectedDate(), QDate(2026, 12, 10));
        field->calendar()->parentWidget()->hide();
        QCOMPARE(field->date(), std::nullopt);
        field->setDate(date(2004, 2, 29));
        QCOMPARE(field->dateText(), QStringLiteral("29/02/04"));
        QCOMPARE(field->date(), std::optional(date(2004, 2, 29)));
    }
};

QTEST_MAIN(TestCalendarDateEdit)
#include "tst_calendardateedit.moc"
