#include "PendingEvents.h"
#include "controls/MaskDateEdit.h"

#include <QClipboard>
#include <QtTest>

namespace {

// Keys as typed: digits and characters one by one; "<" Backspace, ">" Delete, "{" Home,
// "}" Escape, "]" Right.
void type(QWidget* field, const QString& keys)
{
    for (const QChar c : keys) {
        switch (c.unicode()) {
        case u'<':
            QTest::keyClick(field, Qt::Key_Backspace);
            break;
        case u'>':
            QTest::keyClick(field, Qt::Key_Delete);
            break;
        case u'{':
            QTest::keyClick(field, Qt::Key_Home);
            break;
        case u'}':
            QTest::keyClick(field, Qt::Key_Escape);
            break;
        case u']':
            QTest::keyClick(field, Qt::Key_Right);
            break;
        default:
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

} // namespace

class TestMaskDateEdit : public QObject {
    Q_OBJECT
    QWidget m_window;
    MaskDateEdit* m_field = nullptr;
    QLineEdit* m_other = nullptr;

private slots:
    void initTestCase()
    {
        m_field = new MaskDateEdit(&m_window);
        m_other = new QLineEdit(&m_window);
        m_other->move(0, 40);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    void cleanup() { m_field->setDelimiter(u'/'); }

    void init()
    {
        m_field->setDateText(QString());
        m_field->setFocus(Qt::MouseFocusReason);
        m_field->setCursorPosition(0);
    }

    void typing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("cursor");
        QTest::newRow("six chiffres") << ""
                                      << "010203"
                                      << "01/02/03"
                                      << "01/02/03" << 8;
        QTest::newRow("1, 2, 0") << ""
                                 << "120"
                                 << "12/0 /  "
                                 << "12/0_/__" << 4;
        QTest::newRow("1 puis le séparateur") << ""
                                              << "1/"
                                              << "1 /  /  "
                                              << "1_/__/__" << 3;
        QTest::newRow("séparateur deux fois") << ""
                                              << "//5"
                                              << "  /  /5 "
                                              << "__/__/5_" << 7;
        QTest::newRow("lettre refusée") << ""
                                        << "1a2"
                                        << "12/  /  "
                                        << "12/__/__" << 3;
        QTest::newRow("au-delà de la fin refusé") << ""
                                                  << "0102039"
                                                  << "01/02/03"
                                                  << "01/02/03" << 8;
        QTest::newRow("écrase sans décaler") << "01/02/03"
                                             << "{9"
                                             << "91/02/03"
                                             << "91/02/03" << 1;
        QTest::newRow("retour arrière blanchit") << "01/02/03"
                                                 << "{]]]]<"
                                                 << "01/ 2/03"
                                                 << "01/_2/03" << 3;
        QTest::newRow("retour arrière saute le séparateur") << "01/02/03"
                                                            << "{]]]<"
                                                            << "0 /02/03"
                                                            << "0_/02/03" << 1;
        QTest::newRow("date tapée avec ses séparateurs") << ""
                                                         << "12/05/99"
                                                         << "12/05/99"
                                                         << "12/05/99" << 8;
        QTest::newRow("séparateur après un seul chiffre") << ""
                                                          << "5/3/"
                                                          << "5 /3 /  "
                                                          << "5_/3_/__" << 6;
        QTest::newRow("suppression à la place") << "01/02/03"
                                                << "{>"
                                                << " 1/02/03"
                                                << "_1/02/03" << 0;
        QTest::newRow("texte vide") << ""
                                    << ""
                                    << "  /  /  "
                                    << "__/__/__" << 0;
    }
    void typing()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, read);
        QFETCH(QString, shown);
        QFETCH(int, cursor);
        m_field->setDateText(start);
        m_field->setCursorPosition(0);
        type(m_field, keys);
        QCOMPARE(m_field->dateText(), read);
        QCOMPARE(m_field->text(), shown);
        QCOMPARE(m_field->cursorPosition(), cursor);
    }

    void selectionIsBlankedByDelete()
    {
        m_field->setDateText(QStringLiteral("01/02/03"));
        m_field->setSelection(1, 4);
        QTest::keyClick(m_field, Qt::Key_Delete);
        QCOMPARE(m_field->dateText(), QStringLiteral("0 /  /03"));
    }

    void writing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("forme normale") << "05/03/04"
                                       << "05/03/04";
        QTest::newRow("blancs") << "  /  /  "
                                << "  /  /  ";
        QTest::newRow("vide") << ""
                              << "  /  /  ";
        QTest::newRow("parties courtes") << "5/3/4"
                                         << " 5/ 3/ 4";
        QTest::newRow("année sur quatre chiffres") << "05/03/2004"
                                                   << "05/03/04";
        QTest::newRow("caractères étrangers") << "ab/03/04"
                                              << "  /03/04";
        QTest::newRow("sans séparateurs") << "050304"
                                          << "05/03/04";
    }
    void writing()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        m_field->setDateText(text);
        QCOMPARE(m_field->dateText(), read);
        QVERIFY(!m_field->isEditedByUser());
    }

    void delimiterIsHandedOver()
    {
        m_field->setDateText(QStringLiteral("05/03/04"));
        m_field->setDelimiter(u'.');
        QCOMPARE(m_field->text(), QStringLiteral("05.03.04"));
        QCOMPARE(m_field->dateText(), QStringLiteral("05.03.04"));
        m_field->setCursorPosition(0);
        type(m_field, QStringLiteral("1."));
        QCOMPARE(m_field->cursorPosition(), 3);
    }

    void escapeUndoesTheEditsSinceTheFocusCame()
    {
        m_field->setDateText(QStringLiteral("01/02/03"));
        m_other->setFocus(Qt::TabFocusReason);
        m_field->setFocus(Qt::TabFocusReason);
        m_field->setCursorPosition(0);
        type(m_field, QStringLiteral("99"));
        QCOMPARE(m_field->dateText(), QStringLiteral("99/02/03"));
        type(m_field, QStringLiteral("}"));
        QCOMPARE(m_field->dateText(), QStringLiteral("01/02/03"));
        QVERIFY(!m_field->isEditedByUser());
    }

    void validation_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("cursor");
        QTest::newRow("jour et mois seuls") << ""
                                            << "0102" << true << 6;
        QTest::newRow("un chiffre d'année") << ""
                                            << "01025" << true << 7;
        QTest::newRow("année complète") << ""
                                        << "  /  /05" << false << -1;
        QTest::newRow("date complète") << ""
                                       << "010205" << false << -1;
        QTest::newRow("vidé par le programme, non touché") << ""
                                                           << "" << false << -1;
        QTest::newRow("premier chiffre d'année effacé") << "01/02/03"
                                                        << "{]]]]]]]<" << true << 6;
        QTest::newRow("second chiffre d'année effacé") << "01/02/03"
                                                       << "{]]]]]]]>" << true << 7;
    }
    // Leaving an edited field asks for both year digits; so does Enter.
    void validation()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(bool, refused);
        QFETCH(int, cursor);
        for (const bool byEnter : { false, true }) {
            m_field->setDateText(start);
            m_field->setFocus(Qt::MouseFocusReason);
            m_field->setCursorPosition(0);
            type(m_field, keys);
            QSignalSpy invalid(m_field, &MaskDateEdit::invalidEntry);
            if (byEnter)
                QTest::keyClick(m_field, Qt::Key_Return);
            else
                m_other->setFocus(Qt::TabFocusReason);
            DeliverPendingEvents(); // leaving the field validates it once the focus has moved
            QCOMPARE(invalid.count(), refused ? 1 : 0);
            if (refused) {
                QCOMPARE(QApplication::focusWidget(), m_field);
                QCOMPARE(m_field->cursorPosition(), cursor);
            }
        }
    }

    // Another window taking the focus is not leaving the field.
    void focusToAnotherWindowIsNotLeaving()
    {
        type(m_field, QStringLiteral("01"));
        QSignalSpy invalid(m_field, &MaskDateEdit::invalidEntry);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCoreApplication::processEvents();
        QCOMPARE(invalid.count(), 0);
        m_window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    void pasteTypesItsDigits()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("12/05/99"));
        QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_field->dateText(), QStringLiteral("12/05/99"));
    }

    void clickIsReported()
    {
        QSignalSpy clicked(m_field, &ClickEdit::clicked);
        m_other->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(m_field, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
        m_other->setFocus(Qt::TabFocusReason);
        m_field->setFocus(Qt::TabFocusReason);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(m_field, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestMaskDateEdit)
#include "tst_maskdateedit.moc"
