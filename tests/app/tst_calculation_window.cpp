#include "WindowFixture.h"

namespace {
const QString kBlankDateError = QStringLiteral("'  /  /  ' n'est pas une date correcte.");
}

class TestCalculationWindow : public QObject {
    Q_OBJECT
private slots:
    void promotionDates_data()
    {
        QTest::addColumn<bool>("professeur");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("PE, 4e échelon") << true << 3
                                        << QStringList { "Vous êtes promouvable au 5e échelon",
                                               "au grand choix ;", "au choix ;" }
                                        << QStringList { "31/08/02", "28/02/03", "28/02/03" };
        QTest::newRow("instituteur, 6e échelon")
            << false << 5
            << QStringList { "Vous êtes promouvable au 7e échelon", "au choix ;", "au mi-choix ;" }
            << QStringList { "30/11/01", "28/02/02", "28/02/03" };
        QTest::newRow("PE, 1er échelon") << true << 0
                                         << QStringList { "Vous êtes promouvable au 2e échelon",
                                                "au grand choix ;", "au choix ;" }
                                         << QStringList { "30/11/00", "30/11/00", "30/11/00" };
        QTest::newRow("instituteur, 10e échelon")
            << false << 9
            << QStringList { "Vous êtes promouvable au 11e échelon", "au choix ;", "au mi-choix ;" }
            << QStringList { "31/08/03", "31/08/04", "28/02/05" };
    }
    void promotionDates()
    {
        QFETCH(bool, professeur);
        QFETCH(int, step);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, dates);
        WindowFixture window;
        window.start();
        window.edit<MaskDateEdit>("MaskEdit1")->setDateText(QStringLiteral("31/08/00"));
        window.steps()->setItemIndex(step);
        QTest::mouseClick(window.edit<QRadioButton>(professeur ? "RadioButton1" : "RadioButton2"),
            Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(window.edit<QPushButton>("Button1"), Qt::LeftButton);
        // The corps and the step do not exclude each other.
        QCOMPARE(window.edit<QRadioButton>("RadioButton1")->isChecked(), professeur);
        QCOMPARE(window.edit<QRadioButton>("RadioButton2")->isChecked(), !professeur);
        QCOMPARE(window.steps()->itemIndex(), step);
        QCOMPARE((QStringList { window.caption("Label2"), window.caption("Label3"),
                     window.caption("Label4") }),
            captions);
        QCOMPARE(window.promotionDates(), dates);
        QCOMPARE(window.caption("Label5"), QStringLiteral("à l'ancienneté."));
    }

    void seniorityThroughTheWindow_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("2 a 6 m 14 j") << "01/09/01"
                                      << "15/03/04" << QStringList { "2", "6", "14", "2,539" };
        QTest::newRow("un an juste") << "31/01/01"
                                     << "01/02/02" << QStringList { "1", "0", "0", "1,000" };
        QTest::newRow("moins cinq mois") << "01/06/01"
                                         << "01/01/01" << QStringList { "0", "-5", "0", "-0,417" };
        QTest::newRow("même jour") << "01/09/01"
                                   << "01/09/01" << QStringList { "0", "0", "0", "0,000" };
        QTest::newRow("-14 jours") << "15/06/01"
                                   << "01/06/01" << QStringList { "0", "0", "-14", "-0,039" };
        QTest::newRow("-11 mois") << "01/12/01"
                                  << "01/01/01" << QStringList { "0", "-11", "0", "-0,917" };
        QTest::newRow("-99 ans") << "01/01/75"
                                 << "01/01/76" << QStringList { "-99", "0", "0", "-99,000" };
    }
    // Calculer and a new reference date give the same seniority. The fields limit typing to
    // two characters, but a result the program writes goes in whole and fits in the 24
    // pixels a field has.
    void seniorityThroughTheWindow()
    {
        QFETCH(QString, start);
        QFETCH(QString, reference);
        QFETCH(QStringList, expected);
        WindowFixture window;
        window.start();
        window.edit<MaskDateEdit>("MaskEdit4")->setDateText(start);
        window.edit<CalendarDateEdit>("MaskEdit3")->setDateText(reference);
        QCOMPARE(window.seniority(), expected);
        window.edit<CalendarDateEdit>("MaskEdit3")->setDateText(QStringLiteral("01/01/99"));
        window.edit<CalendarDateEdit>("MaskEdit3")->setDateText(reference);
        window.edit<QPushButton>("Button1")->click();
        QCOMPARE(window.seniority(), expected);
        for (const char* name : { "Edit6", "Edit7", "Edit8" }) {
            QLineEdit* edit = window.edit(name);
            QCOMPARE(edit->width(), 24);
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.rect = edit->rect();
            option.lineWidth
                = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
            // QLineEdit keeps two pixels on each side of the text within its contents.
            const int room
                = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width()
                - 4;
            const int needed = edit->fontMetrics().horizontalAdvance(edit->text());
            QVERIFY2(needed <= room,
                qPrintable(QStringLiteral("%1 : « %2 » (%3) dépasse %4 pixels")
                               .arg(QString::fromLatin1(name), edit->text())
                               .arg(needed)
                               .arg(room)));
        }
    }

    // The first calculation writes with the user's own pattern; later ones day, month, two-digit
    // year.
    void firstCalculationUsesTheLocalePattern()
    {
        WindowFixture window({}, QStringLiteral("dd/mm/yyyy"));
        window.start();
        QCOMPARE(
            window.edit<CalendarDateEdit>("MaskEdit3")->dateText(), QStringLiteral("10/12/2026"));
        window.edit<MaskDateEdit>("MaskEdit1")->setDateText(QStringLiteral("31/08/00"));
        window.steps()->setItemIndex(3);
        QCOMPARE(
            window.promotionDates(), (QStringList { "31/08/2002", "28/02/2003", "28/02/2003" }));
        window.edit<QPushButton>("Button1")->click();
        QCOMPARE(window.promotionDates(), (QStringList { "31/08/02", "28/02/03", "28/02/03" }));
        QCOMPARE(window.seniority(), (QStringList { "25", "11", "9", "25,942" }));
    }

    void blankSeniorityStartOnCalculer()
    {
        WindowFixture window;
        window.start();
        const QStringList before = window.seniority();
        window.edit<MaskDateEdit>("MaskEdit1")->setDateText(QStringLiteral("31/08/00"));
        window.edit<MaskDateEdit>("MaskEdit4")->setDateText(QString());
        ScriptedAnswers report({ ClickButton(QStringLiteral("OK")) });
        window.edit<QPushButton>("Button1")->click();
        QCOMPARE(report.seen, QStringList { kBlankDateError });
        QCOMPARE(window.promotionDates(), (QStringList { "30/11/00", "30/11/00", "30/11/00" }));
        QCOMPARE(window.seniority(), before);
    }

    void blankSeniorityStartDuringAStepChange()
    {
        WindowFixture window;
        window.start();
        window.edit<QPushButton>("Button1")->click();
        QCOMPARE(window.promotionDates(), (QStringList { "01/04/01", "01/04/01", "01/04/01" }));
        window.edit<MaskDateEdit>("MaskEdit4")->setDateText(QString());
        ScriptedAnswers none;
        QTest::mouseClick(window.steps()->button(4), Qt::LeftButton, {}, QPoint(5, 5));
        DeliverPendingEvents();
        QCOMPARE(none.seen, QStringList());
        QCOMPARE(window.promotionDates(), (QStringList { "", "", "" }));
        QCOMPARE(window.caption("Label2"), QStringLiteral("Vous êtes promouvable au 6e échelon"));
    }

    // Which changes run a handler, and how often.
    void firingRules()
    {
        WindowFixture window;
        window.start();
        const QString sentinel = QStringLiteral("—");
        window.edit<QLabel>("Label2")->setText(sentinel);
        window.edit("Edit6")->setText(sentinel);

        QSignalSpy stepChanges(window.steps(), &RadioGroup::itemIndexChanged);
        window.steps()->setItemIndex(0);
        QCOMPARE(window.caption("Label2"), sentinel);
        window.steps()->setItemIndex(3);
        QCOMPARE(stepChanges.count(), 1);
        QCOMPARE(window.caption("Label2"), QStringLiteral("Vous êtes promouvable au 5e échelon"));

        window.edit("Edit6")->setText(sentinel);
        window.edit<CalendarDateEdit>("MaskEdit3")->setDateText(QStringLiteral("10/12/26"));
        QCOMPARE(window.text("Edit6"), sentinel);
        window.edit<CalendarDateEdit>("MaskEdit3")->setDateText(QStringLiteral("10/12/27"));
        QCOMPARE(window.text("Edit6"), QStringLiteral("26"));

        window.edit<QLabel>("Label2")->setText(sentinel);
        window.names()->addName(QStringLiteral("Albert"));
        window.names()->setNameText(QStringLiteral("Albert"));
        QCOMPARE(window.caption("Label2"), sentinel);

        // The corps: only the button that becomes checked runs the calculation.
        QTest::mouseClick(
            window.edit<QRadioButton>("RadioButton1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(window.caption("Label2"), sentinel);
        QTest::mouseClick(
            window.edit<QRadioButton>("RadioButton2"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(window.caption("Label3"), QStringLiteral("au choix ;"));
        QCOMPARE(window.caption("Label4"), QStringLiteral("au mi-choix ;"));
        QCOMPARE(window.caption("Label2"), QStringLiteral("Vous êtes promouvable au 5e échelon"));
    }

    void clicksEmptyFields()
    {
        WindowFixture window;
        window.start();
        window.edit<QPushButton>("Button1")->click();
        window.click("MaskEdit1");
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("  /  /  "));
        QCOMPARE(window.promotionDates(), (QStringList { "", "", "" }));
        QCOMPARE(window.text("Edit6"), QStringLiteral("25"));
        window.click("MaskEdit1");
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("  /  /  "));

        window.click("MaskEdit4");
        QCOMPARE(window.date("MaskEdit4"), QStringLiteral("  /  /  "));
        QCOMPARE(window.seniority(), (QStringList { "", "", "", "0" }));

        window.edit<MaskDateEdit>("MaskEdit2")->setDateText(QStringLiteral("05/05/05"));
        window.click("MaskEdit2");
        QCOMPARE(window.date("MaskEdit2"), QStringLiteral("  /  /  "));
        window.edit("Edit4")->setText(QStringLiteral("12"));
        window.click("Edit4");
        QCOMPARE(window.text("Edit4"), QString());
        window.edit("Edit5")->setText(QStringLiteral("bien"));
        window.click("Edit5");
        QCOMPARE(window.text("Edit5"), QString());
    }

    // Tab into a field keeps its text.
    void tabDoesNotEmpty()
    {
        WindowFixture window;
        window.start();
        window.edit("Edit9")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window.edit("Edit9"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.edit<QWidget>("MaskEdit1"));
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("01/01/01"));
        QCOMPARE(window.edit("MaskEdit1")->selectedText(), QStringLiteral("01/01/01"));
    }

    // After a click has emptied it the field may be left empty; typed into, it needs its year.
    void validationAfterAClick()
    {
        WindowFixture window;
        window.start();
        ScriptedAnswers none;
        window.click("MaskEdit1");
        window.edit("Edit9")->setFocus(Qt::MouseFocusReason);
        DeliverPendingEvents();
        QCOMPARE(none.seen, QStringList());

        window.click("MaskEdit1");
        QTest::keyClicks(window.edit("MaskEdit1"), QStringLiteral("0102"));
        ScriptedAnswers report({ ClickButton(QStringLiteral("OK")) });
        window.edit("Edit9")->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(report.seen,
            QStringList {
                "Valeur d'entrée incorrecte. Utiliser Echap pour abandonner les modifications." });
        QTRY_COMPARE(QApplication::focusWidget(), window.edit<QWidget>("MaskEdit1"));
        QCOMPARE(window.date("MaskEdit1"), QStringLiteral("01/02/  "));
    }

    // A click on a button while the year is incomplete reports that, and only that: the
    // click does not go through.
    void clickElsewhereWithAnIncompleteYear()
    {
        WindowFixture window;
        window.start();
        window.click("MaskEdit1");
        const QStringList before = window.promotionDates();
        QTest::keyClicks(window.edit("MaskEdit1"), QStringLiteral("0102"));
        ScriptedAnswers report(
            { ClickButton(QStringLiteral("OK")), ClickButton(QStringLiteral("OK")) });
        window.clickThroughTheWindow("Button1");
        DeliverPendingEvents();
        QCOMPARE(report.seen,
            QStringList {
                "Valeur d'entrée incorrecte. Utiliser Echap pour abandonner les modifications." });
        QCOMPARE(window.promotionDates(), (QStringList { "", "", "" }));
        QCOMPARE(QApplication::focusWidget(), window.edit<QWidget>("MaskEdit1"));
        // A click on a label takes no focus and asks nothing.
        window.clickThroughTheWindow("Label9");
        DeliverPendingEvents();
        QCOMPARE(report.seen.size(), 1);
        QCOMPARE(QApplication::focusWidget(), window.edit<QWidget>("MaskEdit1"));
        // Escape takes the typing back; the field may then be left, and the click goes through.
        QTest::keyClick(window.edit("MaskEdit1"), Qt::Key_Escape);
        window.clickThroughTheWindow("Button1");
        DeliverPendingEvents();
        QCOMPARE(report.seen,
            (QStringList {
                "Valeur d'entrée incorrecte. Utiliser Echap pour abandonner les modifications.",
                "'  /  /  ' n'est pas une date correcte." }));
        QCOMPARE(window.promotionDates(), before);
    }

    void markTakesADecimalComma()
    {
        WindowFixture window;
        window.start();
        window.edit("Edit4")->setFocus();
        QTest::keyClicks(window.edit("Edit4"), QStringLiteral("14.5"));
        QCOMPARE(window.text("Edit4"), QStringLiteral("14,5"));
        QTest::keyClick(window.edit("Edit4"), Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(window.text("Edit4"), QStringLiteral("14,5,"));
        QChar key = u'.';
        window.form().Edit4KeyPress(nullptr, key);
        QCOMPARE(key, QChar(u','));
        key = u'7';
        window.form().Edit4KeyPress(nullptr, key);
        QCOMPARE(key, QChar(u'7'));
    }

    // A change of the user's settings reads the date and number conventions again, the
    // two-digit-year window excepted.
    void settingsChangeReadsTheLocaleAgain()
    {
        WindowFixture window;
        window.start();
        QCOMPARE(decimalMark(), QChar(u','));
        dateConventions().DatePattern = QStringLiteral("yy-mm-dd");
        dateConventions().DateDelimiter = u'-';
        dateConventions().YearWindow = 30;
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(&window.form(), &change);
        QCOMPARE(decimalMark(), QChar(u'.'));
        QCOMPARE(dateConventions().DatePattern, QStringLiteral("dd/mm/yy"));
        QCOMPARE(dateConventions().DateDelimiter, QChar(u'/'));
        QCOMPARE(dateConventions().YearWindow, std::uint16_t(30));
        QCOMPARE(window.edit("MaskEdit1")->text(), QStringLiteral("01/01/01"));
    }

    void decimalYearsLabelGrows()
    {
        WindowFixture window;
        window.start();
        QLabel* label = window.edit<QLabel>("Label19");
        QCOMPARE(label->text(), QStringLiteral("25,942"));
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        QCOMPARE(label->x(), 514);
    }
};

QTEST_MAIN(TestCalculationWindow)
#include "tst_calculation_window.moc"
