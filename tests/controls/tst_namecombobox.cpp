#include "controls/NameComboBox.h"
#include "controls/RadioGroup.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

class TestNameComboBox : public QObject {
    Q_OBJECT
    QWidget m_window;
    NameComboBox* m_box = nullptr;

private slots:
    void initTestCase()
    {
        m_box = new NameComboBox(&m_window);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }
    void init()
    {
        m_box->clear();
        m_box->setNameText(QString());
        m_box->setFocus();
    }

    void sortedIgnoringCaseWithDuplicates()
    {
        QSignalSpy changed(m_box, &NameComboBox::nameChangedByUser);
        m_box->setNameText(QStringLiteral("tapé"));
        for (const char* name : { "martin", "Zoé", "Éric", "bernard", "Martin", "eric", "Bernard" })
            m_box->addName(QString::fromUtf8(name));
        QCOMPARE(m_box->names(),
            (QStringList { "bernard", "Bernard", "eric", "Éric", "martin", "Martin", "Zoé" }));
        QCOMPARE(m_box->nameText(), QStringLiteral("tapé"));
        m_box->removeName(QStringLiteral("Martin"));
        QCOMPARE(m_box->names(),
            (QStringList { "bernard", "Bernard", "eric", "Éric", "martin", "Zoé" }));
        QCOMPARE(m_box->nameText(), QStringLiteral("tapé"));
        QCOMPARE(changed.count(), 0);
    }

    // The first entry added to an empty list does not take over the text either.
    void firstEntryLeavesTheText()
    {
        m_box->addName(QStringLiteral("Durand"));
        QCOMPARE(m_box->nameText(), QString());
    }

    void typingKeepsTheTextAsTyped()
    {
        m_box->addName(QStringLiteral("Martin"));
        m_box->addName(QStringLiteral("Martinez"));
        QSignalSpy changed(m_box, &NameComboBox::nameChangedByUser);
        QTest::keyClicks(m_box, QStringLiteral("mart"));
        QCOMPARE(m_box->nameText(), QStringLiteral("mart"));
        QCOMPARE(changed.count(), 4);
        QTest::keyClicks(m_box, QStringLiteral("in"));
        QCOMPARE(m_box->nameText(), QStringLiteral("martin"));
        QTest::keyClick(m_box, Qt::Key_Return);
        QCOMPARE(m_box->nameText(), QStringLiteral("martin"));
        QCOMPARE(changed.count(), 6);
        QTest::keyClick(m_box, Qt::Key_Backspace);
        QCOMPARE(changed.count(), 7);
    }

    void arrowKeysPickAnEntry()
    {
        m_box->addName(QStringLiteral("Albert"));
        m_box->addName(QStringLiteral("Bruno"));
        QSignalSpy changed(m_box, &NameComboBox::nameChangedByUser);
        QString textWhenNotified;
        connect(m_box, &NameComboBox::nameChangedByUser, this,
            [&] { textWhenNotified = m_box->nameText(); });
        m_box->setCurrentIndex(0);
        m_box->setNameText(QStringLiteral("Albert"));
        QCOMPARE(changed.count(), 0);
        QTest::keyClick(m_box, Qt::Key_Down);
        QCOMPARE(m_box->nameText(), QStringLiteral("Bruno"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(textWhenNotified, QStringLiteral("Bruno"));
    }

    void itemHeight()
    {
        m_box->addName(QStringLiteral("Albert"));
        QCOMPARE(m_box->view()->sizeHintForRow(0), 16);
    }
};

class TestRadioGroup : public QObject {
    Q_OBJECT
    QWidget m_window;
    RadioGroup* m_group = nullptr;

private slots:
    void initTestCase()
    {
        m_group = new RadioGroup(&m_window);
        m_group->setItems(
            { "1er échelon", "2e échelon", "3e échelon", "4e échelon", "5e échelon" });
        m_group->resize(150, 200);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    void settingByProgram_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("notified");
        QTest::newRow("3 vers 3: rien") << 3 << 3 << 3 << 0;
        QTest::newRow("3 vers 4: une fois") << 3 << 4 << 4 << 1;
        QTest::newRow("vers -1: aucun coché") << 2 << -1 << -1 << 1;
        QTest::newRow("sous -1: -1") << 2 << -7 << -1 << 1;
        QTest::newRow("au-delà du dernier: le dernier") << 2 << 12 << 4 << 1;
        QTest::newRow("de -1 vers 0") << -1 << 0 << 0 << 1;
    }
    void settingByProgram()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, result);
        QFETCH(int, notified);
        m_group->setItemIndex(from);
        QList<int> seen;
        const auto connection = connect(m_group, &RadioGroup::itemIndexChanged, this,
            [&](int index) { seen << index << m_group->itemIndex(); });
        m_group->setItemIndex(to);
        disconnect(connection);
        QCOMPARE(m_group->itemIndex(), result);
        QCOMPARE(int(seen.size()), 2 * notified);
        if (notified)
            QCOMPARE(seen, (QList<int> { result, result }));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(m_group->button(i)->isChecked(), i == result);
    }

    void userClicks()
    {
        m_group->setItemIndex(1);
        QSignalSpy changed(m_group, &RadioGroup::itemIndexChanged);
        QTest::mouseClick(m_group->button(3), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(m_group->itemIndex(), 3);
        QCOMPARE(changed.count(), 1);
        QTest::mouseClick(m_group->button(3), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(changed.count(), 1);
        m_group->button(3)->setFocus();
        QTest::keyClick(m_group->button(3), Qt::Key_Down);
        QCOMPARE(m_group->itemIndex(), 4);
        QCOMPARE(changed.count(), 2);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestNameComboBox names;
    TestRadioGroup group;
    return QTest::qExec(&names, argc, argv) | QTest::qExec(&group, argc, argv);
}
#include "tst_namecombobox.moc"
