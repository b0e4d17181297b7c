#include "ScriptedAnswers.h"
#include "Unit1.h"
#include "app/Startup.h"

#include <QAccessible>
#include <QToolButton>
#include <QtTest>

namespace {

enum FontKey { L, V, B };

QWidget* control(QWidget& form, const QString& name) { return form.findChild<QWidget*>(name); }

QString textOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* date = qobject_cast<MaskDateEdit*>(widget))
        return date->dateText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(FontKey)

class TestMainWindow : public QObject {
    Q_OBJECT
    // No box is expected but where a test says so.
    ScriptedAnswers m_noBoxExpected;
    std::unique_ptr<TForm1> m_form;
    QTemporaryDir m_directory;

private slots:
    void initTestCase()
    {
        // No data file: the window keeps the texts it starts with.
        QVERIFY(QDir::setCurrent(m_directory.path()));
        prepareApplication(*qApp);
        m_form = std::make_unique<TForm1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        // The first tests look at the window as it starts, before its first activation runs.
    }
    void cleanupTestCase() { m_form.reset(); }

    void window()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Données de parcoval"));
        QCOMPARE(m_form->frameGeometry().size(), QSize(636, 540));
        QCOMPARE(m_form->palette().color(QPalette::Window), QColor(204, 255, 204));
        QCOMPARE(m_form->objectName(), QStringLiteral("Form1"));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<FontKey>("font");
        const auto row = [](const char* name, const char* kind, QRect geometry, const QString& text,
                             FontKey font) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind)
                                << geometry << text << font;
        };
        row("Label16", "QLabel", { 43, 21, 64, 16 }, "NUMEN :", L);
        row("Edit9", "QLineEdit", { 118, 17, 149, 24 }, "", V);
        row("Label1", "QLabel", { 109, 66, 18, 16 }, "Le", L);
        row("MaskEdit1", "MaskDateEdit", { 137, 62, 66, 24 }, "01/01/01", V);
        row("RadioGroup1", "RadioGroup", { 47, 95, 212, 238 }, " Vous avez été promu(e) au ", L);
        row("Label17", "QLabel", { 24, 349, 160, 16 }, "Ancienneté à partir du :", L);
        row("MaskEdit4", "MaskDateEdit", { 211, 345, 66, 24 }, "01/01/01", V);
        row("Label10", "QLabel", { 24, 377, 161, 16 }, "Dernière inspection le :", L);
        row("MaskEdit2", "MaskDateEdit", { 211, 373, 66, 24 }, "  /  /  ", V);
        row("Label11", "QLabel", { 24, 406, 102, 16 }, "Note obtenue :", L);
        row("Edit4", "QLineEdit", { 211, 402, 66, 24 }, "", V);
        row("Label12", "QLabel", { 24, 434, 176, 16 }, "Appréciation adverbiale :", L);
        row("Edit5", "QLineEdit", { 211, 430, 81, 24 }, "", V);
        row("Button2", "QPushButton", { 24, 471, 268, 25 }, "&Enregistrer vos données", B);
        row("Label9", "QLabel", { 312, 9, 120, 16 }, "Choisir l'identité :", L);
        row("ComboBox1", "NameComboBox", { 434, 5, 145, 24 }, "", V);
        row("Button3", "QPushButton", { 435, 39, 145, 25 }, "&Supprimer", B);
        row("RadioButton1", "QRadioButton", { 312, 74, 149, 17 }, "Professeur des écoles", B);
        row("RadioButton2", "QRadioButton", { 498, 74, 113, 17 }, "Instituteur(trice)", B);
        row("Label2", "QLabel", { 330, 109, 266, 16 }, "Vous êtes promouvable au 2e échelon", L);
        row("Label6", "QLabel", { 325, 137, 14, 16 }, "le", L);
        row("Edit1", "QLineEdit", { 359, 133, 80, 24 }, "", V);
        row("Label3", "QLabel", { 454, 137, 110, 16 }, "au grand choix ;", L);
        row("Label7", "QLabel", { 325, 171, 14, 16 }, "le", L);
        row("Edit2", "QLineEdit", { 359, 167, 80, 24 }, "", V);
        row("Label4", "QLabel", { 455, 171, 66, 16 }, "au choix ;", L);
        row("Label8", "QLabel", { 325, 205, 14, 16 }, "le", L);
        row("Edit3", "QLineEdit", { 359, 201, 80, 24 }, "", V);
        row("Label5", "QLabel", { 454, 205, 102, 16 }, "à l'ancienneté.", L);
        row("Label21", "QLabel", { 324, 245, 99, 16 }, "Ancienneté au", L);
        row("MaskEdit3", "CalendarDateEdit", { 430, 241, 121, 21 }, "", V);
        row("Edit6", "QLineEdit", { 324, 275, 24, 24 }, "", V);
        row("Label13", "QLabel", { 353, 279, 10, 16 }, "a", L);
        row("Edit7", "QLineEdit", { 377, 275, 24, 24 }, "", V);
        row("Label14", "QLabel", { 406, 279, 13, 16 }, "m", L);
        row("Edit8", "QLineEdit", { 430, 275, 24, 24 }, "", V);
        row("Label15", "QLabel", { 462, 279, 5, 16 }, "j", L);
        row("Label18", "QLabel", { 478, 279, 26, 16 }, "soit", L);
        row("Label19", "QLabel", { 514, 279, 9, 16 }, "0", V);
        row("Label20", "QLabel", { 568, 279, 26, 16 }, "ans", L);
        row("Button1", "QPushButton", { 324, 312, 278, 23 }, "&Calculer", B);
        row("Label22", "QLabel", { 435, 368, 105, 16 }, "AFFECTATION", L);
        row("Label24", "QLabel", { 355, 391, 62, 16 }, "Gestion :", L);
        row("Edit10", "QLineEdit", { 418, 389, 70, 24 }, "", V);
        row("Edit11", "QLineEdit", { 499, 389, 70, 24 }, "", V);
        row("Label23", "QLabel", { 355, 421, 49, 16 }, "Poste :", L);
        row("Edit12", "QLineEdit", { 418, 418, 70, 24 }, "", V);
        row("Edit15", "QLineEdit", { 499, 418, 23, 24 }, "", V);
        row("Label28", "QLabel", { 524, 415, 82, 26 }, "lettre\n(n°RNE école)", B);
        row("Label25", "QLabel", { 427, 451, 120, 16 }, "IDENTIFICATION", L);
        row("Label27", "QLabel", { 355, 475, 37, 16 }, "Min. :", L);
        row("Edit13", "QLineEdit", { 401, 471, 39, 24 }, "", V);
        row("Label26", "QLabel", { 471, 475, 61, 16 }, "N° Dos. :", L);
        row("Edit14", "QLineEdit", { 540, 471, 39, 24 }, "", V);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(FontKey, font);
        QWidget* widget = control(*m_form, name);
        QVERIFY(widget);
        QVERIFY2(widget->inherits(qPrintable(kind)), widget->metaObject()->className());
        QCOMPARE(widget->geometry(), geometry);
        if (name != QLatin1String("MaskEdit3")) // filled by the first activation
            QCOMPARE(textOf(widget), text);
        QCOMPARE(widget->font().family(), QStringLiteral("Liberation Sans"));
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().pixelSize(), font == B ? 11 : 13);
        const QPalette::ColorRole role
            = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)
            ? QPalette::Text
            : QPalette::WindowText;
        if (font == V)
            QCOMPARE(widget->palette().color(role), QColor(0, 0, 255));
        else
            QCOMPARE(widget->palette().color(role), QApplication::palette().color(role));
    }

    // Labels and buttons show their whole text within their size.
    void textsFit()
    {
        for (QLabel* label : m_form->findChildren<QLabel*>()) {
            if (label->parent() != m_form.get())
                continue;
            const QSize needed
                = label->fontMetrics().boundingRect(QRect(), Qt::AlignLeft, label->text()).size();
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height() + 1,
                qPrintable(label->objectName()));
        }
    }

    void frames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Bevel1") << "Bevel1" << QRect(12, 7, 293, 500);
        QTest::newRow("Bevel2") << "Bevel2" << QRect(311, 100, 305, 252);
        QTest::newRow("Bevel3") << "Bevel3" << QRect(304, 359, 312, 148);
        QTest::newRow("Panel1") << "Panel1" << QRect(299, 360, 15, 146);
    }
    void frames()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* frame = m_form->findChild<QFrame*>(name);
        QVERIFY(frame);
        QCOMPARE(frame->geometry(), geometry);
        QCOMPARE(frame->focusPolicy(), Qt::NoFocus);
    }

    void limits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("Edit1") << "Edit1" << 32767 << true;
        QTest::newRow("Edit2") << "Edit2" << 32767 << true;
        QTest::newRow("Edit3") << "Edit3" << 32767 << true;
        QTest::newRow("Edit4") << "Edit4" << 6 << false;
        QTest::newRow("Edit5") << "Edit5" << 32767 << false;
        QTest::newRow("Edit6: pas de coupe des résultats") << "Edit6" << 32767 << true;
        QTest::newRow("Edit7: pas de coupe des résultats") << "Edit7" << 32767 << true;
        QTest::newRow("Edit8: pas de coupe des résultats") << "Edit8" << 32767 << true;
        QTest::newRow("Edit9") << "Edit9" << 32767 << false;
        QTest::newRow("Edit15") << "Edit15" << 1 << false;
        QTest::newRow("MaskEdit1") << "MaskEdit1" << 8 << false;
    }
    void limits()
    {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        QFETCH(bool, readOnly);
        auto* edit = m_form->findChild<QLineEdit*>(name);
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), maxLength);
        QCOMPARE(edit->isReadOnly(), readOnly);
    }

    void typingLimits()
    {
        auto* edit4 = m_form->findChild<QLineEdit*>(QStringLiteral("Edit4"));
        edit4->clear();
        QTest::keyClicks(edit4, QStringLiteral("1234567"));
        QCOMPARE(edit4->text(), QStringLiteral("123456"));
        edit4->clear();
        auto* edit15 = m_form->findChild<QLineEdit*>(QStringLiteral("Edit15"));
        QTest::keyClicks(edit15, QStringLiteral("ab"));
        QCOMPARE(edit15->text(), QStringLiteral("a"));
        edit15->clear();
        auto* edit9 = m_form->findChild<QLineEdit*>(QStringLiteral("Edit9"));
        QTest::keyClicks(edit9, QStringLiteral("ab1"));
        QTest::sendKeyEvent(
            QTest::Click, edit9, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
        QCOMPARE(edit9->text(), QStringLiteral("AB1É"));
        edit9->clear();
        auto* edit1 = m_form->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QTest::keyClicks(edit1, QStringLiteral("12"));
        QCOMPARE(edit1->text(), QString());
    }

    void buttonsHaveTheHandCursor()
    {
        for (const char* name : { "Button1", "Button2", "Button3" })
            QCOMPARE(control(*m_form, QString::fromLatin1(name))->cursor().shape(),
                Qt::PointingHandCursor);
    }

    void radioGroup()
    {
        auto* group = m_form->findChild<RadioGroup*>(QStringLiteral("RadioGroup1"));
        QCOMPARE(group->items().size(), 10);
        QCOMPARE(group->items().first(), QStringLiteral("1er échelon"));
        QCOMPARE(group->items().last(), QStringLiteral("10e échelon"));
        QCOMPARE(group->itemIndex(), 0);
        QVERIFY(group->button(0)->isChecked());
        QCOMPARE(group->property("itemIndex").toInt(), 0);
        QVERIFY(m_form->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->isChecked());
        QVERIFY(!m_form->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->isChecked());
    }

    void nameListStartsEmptyAndEditable()
    {
        auto* combo = m_form->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 0);
        QCOMPARE(combo->completer(), nullptr);
    }

    void popupMenu()
    {
        auto* menu = m_form->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        QVERIFY(menu);
        const QList<std::tuple<const char*, const char*, QKeySequence>> items {
            { "Lisezmoi1", "Lisez-moi", QKeySequence(Qt::Key_F1) },
            { "Imprimerlafiche1", "Imprimer la fiche…", QKeySequence(QStringLiteral("Ctrl+P")) },
            { "EnregistrerlaficheenPDF1", "Enregistrer la fiche en PDF…",
                QKeySequence(QStringLiteral("Ctrl+Shift+P")) },
        };
        QCOMPARE(menu->actions().size(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            const auto& [name, caption, shortcut] = items[i];
            QAction* item = menu->actions()[i];
            QCOMPARE(item->objectName(), QString::fromLatin1(name));
            QCOMPARE(item->text(), QString::fromUtf8(caption));
            QCOMPARE(item->shortcut(), shortcut);
            // The shortcuts work from the whole window, not only in the open menu.
            QVERIFY(m_form->actions().contains(item));
        }
        QCOMPARE(m_form->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    // F1 reaches the menu item from any control. The test platform has no program to show the
    // guide, and a notice says so instead of nothing.
    void f1FromAControl()
    {
        auto* item = m_form->findChild<QAction*>(QStringLiteral("Lisezmoi1"));
        QSignalSpy triggered(item, &QAction::triggered);
        auto* edit = m_form->findChild<QLineEdit*>(QStringLiteral("Edit12"));
        edit->setFocus();
        ScriptedAnswers answers({ ClickButton(QStringLiteral("OK")) });
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(answers.seen,
            QStringList { "Aucun programme n'a pu ouvrir le guide « Lisez-moi.pdf ». Installez "
                          "un lecteur de fichiers PDF." });
    }

    // A screen reader announces each field, result and button by its French caption.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        const QList<std::pair<const char*, const char*>> names {
            { "Edit9", "NUMEN" },
            { "MaskEdit1", "Date de promotion" },
            { "RadioGroup1", "Vous avez été promu(e) au" },
            { "MaskEdit4", "Ancienneté à partir du" },
            { "MaskEdit2", "Dernière inspection le" },
            { "Edit4", "Note obtenue" },
            { "Edit5", "Appréciation adverbiale" },
            { "Button2", "Enregistrer vos données" },
            { "ComboBox1", "Choisir l'identité" },
            { "Button3", "Supprimer" },
            { "RadioButton1", "Professeur des écoles" },
            { "RadioButton2", "Instituteur(trice)" },
            { "Edit1", "Promouvable au grand choix le" },
            { "Edit2", "Promouvable au choix le" },
            { "Edit3", "Promouvable à l'ancienneté le" },
            { "MaskEdit3", "Ancienneté au" },
            { "Edit6", "Ancienneté : années" },
            { "Edit7", "Ancienneté : mois" },
            { "Edit8", "Ancienneté : jours" },
            { "Button1", "Calculer" },
            { "Edit10", "Gestion : premier code" },
            { "Edit11", "Gestion : second code" },
            { "Edit12", "Poste" },
            { "Edit13", "Min." },
            { "Edit14", "N° Dos." },
            { "Edit15", "Lettre (n° RNE école)" },
        };
        for (const auto& [name, spoken] : names)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(spoken);
    }
    void accessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QAccessibleInterface* accessible
            = QAccessible::queryAccessibleInterface(control(*m_form, name));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), spoken);
    }

    // The first two dates are announced with the rhythms of the corps chosen.
    void accessibleNamesFollowTheCorps()
    {
        // The calculation that the corps runs needs the reference date of the first activation.
        QTRY_VERIFY(m_form->findChild<CalendarDateEdit*>(QStringLiteral("MaskEdit3"))->date());
        auto* instituteur = m_form->findChild<QRadioButton*>(QStringLiteral("RadioButton2"));
        auto* professeur = m_form->findChild<QRadioButton*>(QStringLiteral("RadioButton1"));
        const auto spoken = [&](const char* name) {
            return QAccessible::queryAccessibleInterface(
                control(*m_form, QString::fromLatin1(name)))
                ->text(QAccessible::Name);
        };
        instituteur->click();
        QCOMPARE(spoken("Edit1"), QStringLiteral("Promouvable au choix le"));
        QCOMPARE(spoken("Edit2"), QStringLiteral("Promouvable au mi-choix le"));
        professeur->click();
        QCOMPARE(spoken("Edit1"), QStringLiteral("Promouvable au grand choix le"));
        QCOMPARE(spoken("Edit2"), QStringLiteral("Promouvable au choix le"));
        // The decimal years are read out as they show, and described.
        auto* decimalYears = m_form->findChild<QLabel*>(QStringLiteral("Label19"));
        QCOMPARE(spoken("Label19"), decimalYears->text());
        QCOMPARE(decimalYears->accessibleDescription(),
            QStringLiteral("Ancienneté en années décimales"));
    }

    void tabOrder()
    {
        const QStringList expected { "Edit9", "MaskEdit1", "MaskEdit4", "MaskEdit2", "Edit4",
            "Edit5", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit1", "RadioGroup1",
            "Edit2", "Edit3", "Button2", "ComboBox1", "Button3", "Edit6", "Edit7", "Edit8",
            "MaskEdit3", "RadioButton1", "Edit15", "Button1" };
        auto* button1 = control(*m_form, QStringLiteral("Button1"));
        button1->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // A radio item of the group, and the combo box's edit part, stand for their control.
            while (focus && focus->objectName().isEmpty())
                focus = focus->parentWidget();
            visited << (focus ? focus->objectName() : QStringLiteral("?"));
        }
        QCOMPARE(visited, expected);
    }

    void focusStartsOnButton1()
    {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), control(form, QStringLiteral("Button1")));
    }

    // Only "&Oui" lets the window close; every other answer keeps it as it was.
    void closeQuestion_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("closes");
        // Escape and Enter answer "&Non" (the dialog's own test shows it).
        QTest::newRow("&Non") << "Non" << false;
        QTest::newRow("case de fermeture") << "close" << false;
        QTest::newRow("&Oui") << "Oui" << true;
    }
    void closeQuestion()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, closes);
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit12"));
        edit->setText(QStringLiteral("gardé"));
        ScriptedAnswers answers({ gesture == "Oui" ? ClickButton(QStringLiteral("Yes"))
                : gesture == "Non"                 ? ClickButton(QStringLiteral("No"))
                                                   : CloseBox() });
        QCOMPARE(form.close(), closes);
        QCOMPARE(answers.seen, QStringList { "Avez-vous enregistré vos données ?" });
        QCOMPARE(answers.boxes[0].focus, DialogResult::No);
        QCOMPARE(answers.boxes[0].buttons, DialogButton::Yes | DialogButton::No);
        QCOMPARE(form.isVisible(), !closes);
        QCOMPARE(edit->text(), QStringLiteral("gardé"));
    }

    void calendarButtonNeverTakesTheFocus()
    {
        auto* date = m_form->findChild<CalendarDateEdit*>(QStringLiteral("MaskEdit3"));
        QCOMPARE(date->calendarButton()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(date->calendarButton()->width(), 20);
        QCOMPARE(date->calendarButton()->x() + 20, date->width());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
