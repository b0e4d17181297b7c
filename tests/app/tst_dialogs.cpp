#include "DialogDriver.h"
#include "app/ApplicationTitle.h"
#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "conventions/Errors.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

using Gesture = std::function<void(QWidget*)>;

Gesture click(const char* button)
{
    return [button](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    };
}

Gesture key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [key, modifiers](QWidget* dialog) { PressKey(dialog, key, modifiers); };
}

Gesture closeBox()
{
    return [](QWidget* dialog) { dialog->close(); };
}

const DialogButtons kEveryButton = DialogButton::Yes | DialogButton::No | DialogButton::OK
    | DialogButton::Cancel | DialogButton::Abort | DialogButton::Retry | DialogButton::Ignore
    | DialogButton::All | DialogButton::NoToAll | DialogButton::YesToAll;

} // namespace

Q_DECLARE_METATYPE(Gesture)

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void ask_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("result");
        QTest::newRow("&Oui") << click("Yes") << 6;
        QTest::newRow("&Non") << click("No") << 7;
        QTest::newRow("Entrée sur &Non") << key(Qt::Key_Return) << 7;
        QTest::newRow("Échap") << key(Qt::Key_Escape) << 7;
        QTest::newRow("Espace sur &Non") << key(Qt::Key_Space) << 7;
        QTest::newRow("Alt+O") << key(Qt::Key_O, Qt::AltModifier) << 6;
        QTest::newRow("Alt+N") << key(Qt::Key_N, Qt::AltModifier) << 7;
        QTest::newRow("case de fermeture") << closeBox() << 2;
        QTest::newRow("Tab puis Espace sur &Oui") << Gesture([](QWidget* dialog) {
            PressKey(dialog, Qt::Key_Backtab);
            PressKey(dialog, Qt::Key_Space);
        }) << 6;
    }
    void ask()
    {
        QFETCH(Gesture, gesture);
        QFETCH(int, result);
        QString focused;
        WhenDialogOpens([&](QWidget* dialog) {
            focused = QApplication::focusWidget()->objectName();
            gesture(dialog);
        });
        QCOMPARE(
            AskDialog(nullptr,
                QStringLiteral("Êtes-vous sûr de vouloir supprimer cette identité ?"),
                DialogKind::Warning, DialogButton::Yes | DialogButton::No, DialogResult::No, 0),
            result);
        QCOMPARE(focused, QStringLiteral("No"));
    }

    void askLooks()
    {
        QString caption, message, captions;
        bool hasIcon = false;
        WhenDialogOpens([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            message = dialog->findChild<QLabel*>(QStringLiteral("Message"))->text();
            hasIcon = dialog->findChild<QLabel*>(QStringLiteral("Image")) != nullptr;
            QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
            std::sort(
                buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            for (QPushButton* button : buttons)
                captions += button->text() + u'|';
            click("No")(dialog);
        });
        AskDialog(nullptr, QStringLiteral("Avez-vous enregistré vos données ?"),
            DialogKind::Warning, DialogButton::No | DialogButton::Yes, DialogResult::No, 0);
        QCOMPARE(caption, QStringLiteral("Avertissement"));
        QCOMPARE(message, QStringLiteral("Avez-vous enregistré vos données ?"));
        QVERIFY(hasIcon);
        QCOMPARE(captions, QStringLiteral("&Oui|&Non|"));
    }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("icon");
        QTest::newRow("Warning") << int(DialogKind::Warning) << "Avertissement" << true;
        QTest::newRow("Error") << int(DialogKind::Error) << "Erreur" << true;
        QTest::newRow("Information") << int(DialogKind::Information) << "Information" << true;
        QTest::newRow("Confirmation") << int(DialogKind::Confirmation) << "Confirmation" << true;
        QTest::newRow("Custom") << int(DialogKind::Custom) << "Parcoval" << false;
    }
    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(bool, icon);
        applicationTitle() = QStringLiteral("Parcoval");
        QString seen;
        bool hasIcon = false;
        WhenDialogOpens([&](QWidget* dialog) {
            seen = dialog->windowTitle();
            hasIcon = dialog->findChild<QLabel*>(QStringLiteral("Image")) != nullptr;
            click("OK")(dialog);
        });
        QCOMPARE(
            NoticeDialog(nullptr, QStringLiteral("Texte"), DialogKind(kind), DialogButton::OK, 0),
            1);
        QCOMPARE(seen, caption);
        QCOMPARE(hasIcon, icon);
    }

    void notice_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << click("OK") << 1;
        QTest::newRow("Entrée") << key(Qt::Key_Return) << 1;
        QTest::newRow("Échap") << key(Qt::Key_Escape) << 1;
        QTest::newRow("Espace") << key(Qt::Key_Space) << 1;
        QTest::newRow("case de fermeture") << closeBox() << 2;
    }
    void notice()
    {
        QFETCH(Gesture, gesture);
        QFETCH(int, result);
        WhenDialogOpens(gesture);
        QCOMPARE(NoticeDialog(nullptr, QStringLiteral("L'identité n'a pas été supprimée !"),
                     DialogKind::Information, DialogButton::OK, 0),
            result);
    }

    // Buttons come in their fixed order with their captions and results; the default and
    // cancel buttons follow their rule.
    void buttonOrderAndRoles()
    {
        QStringList names;
        WhenDialogOpens([&](QWidget* dialog) {
            QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
            std::sort(
                buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            for (QPushButton* button : buttons)
                names << button->objectName() + u'=' + button->text();
            click("Abort")(dialog);
        });
        QCOMPARE(
            AskDialog(nullptr, QStringLiteral("?"), DialogKind::Confirmation, kEveryButton, 99, 0),
            3);
        QCOMPARE(names,
            (QStringList { "Yes=&Oui", "No=&Non", "OK=OK", "Cancel=Annuler", "Abort=&Abandon",
                "Retry=&Retenter", "Ignore=I&gnorer", "All=&Tout", "NoToAll=Non &pour tout",
                "YesToAll=O&ui pour tout" }));
    }

    // With the focus on no button, Enter presses the default button: OK, else Yes, else Retry.
    // Escape presses the cancel button: Cancel, else No, else OK.
    void defaultAndCancelButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("enter");
        QTest::addColumn<int>("escape");
        QTest::newRow("toutes") << int(kEveryButton) << 1 << 2;
        QTest::newRow("Oui, Non") << int(DialogButton::Yes | DialogButton::No) << 6 << 7;
        QTest::newRow("Abandon, Retenter, Ignorer")
            << int(DialogButton::Abort | DialogButton::Retry | DialogButton::Ignore) << 4 << -1;
        QTest::newRow("OK, Annuler") << int(DialogButton::OK | DialogButton::Cancel) << 1 << 2;
    }
    void defaultAndCancelButtons()
    {
        QFETCH(int, buttons);
        QFETCH(int, enter);
        QFETCH(int, escape);
        WhenDialogOpens([](QWidget* dialog) {
            dialog->setFocus();
            PressKey(dialog, Qt::Key_Return);
        });
        QCOMPARE(AskDialog(nullptr, QStringLiteral("?"), DialogKind::Custom, DialogButtons(buttons),
                     99, 0),
            enter);
        bool stillOpen = false;
        WhenDialogOpens([&](QWidget* dialog) {
            PressKey(dialog, Qt::Key_Escape);
            stillOpen = dialog->isVisible();
            if (stillOpen)
                dialog->close();
        });
        QCOMPARE(AskDialog(nullptr, QStringLiteral("?"), DialogKind::Custom, DialogButtons(buttons),
                     99, 0),
            escape < 0 ? 2 : escape);
        QCOMPARE(stillOpen, escape < 0);
    }

    void askPlacesItsEdges()
    {
        QPoint position;
        WhenDialogOpens([&](QWidget* dialog) {
            position = dialog->pos();
            click("OK")(dialog);
        });
        AskDialog(nullptr, QStringLiteral("Ici"), DialogKind::Information, DialogButton::OK, 1, 0,
            40, 30);
        QCOMPARE(position, QPoint(40, 30));
    }

    void nameQuery_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("text");
        const Gesture typeName = [](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), QStringLiteral(" Dupont  "));
        };
        QTest::newRow("OK") << Gesture([=](QWidget* d) {
            typeName(d);
            click("OK")(d);
        }) << true << " Dupont  ";
        QTest::newRow("Entrée") << Gesture([=](QWidget* d) {
            typeName(d);
            PressKey(d, Qt::Key_Return);
        }) << true << " Dupont  ";
        QTest::newRow("vide") << Gesture([](QWidget* d) {
            PressKey(d, Qt::Key_Delete);
            click("OK")(d);
        }) << true << "";
        QTest::newRow("Annuler") << Gesture([=](QWidget* d) {
            typeName(d);
            click("Cancel")(d);
        }) << false << "Martin";
        QTest::newRow("Échap") << Gesture([=](QWidget* d) {
            typeName(d);
            PressKey(d, Qt::Key_Escape);
        }) << false << "Martin";
        QTest::newRow("case de fermeture") << Gesture([=](QWidget* d) {
            typeName(d);
            d->close();
        }) << false << "Martin";
    }
    void nameQuery()
    {
        QFETCH(Gesture, gesture);
        QFETCH(bool, accepted);
        QFETCH(QString, text);
        QString caption, prompt, selected;
        int maxLength = 0;
        WhenDialogOpens([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            prompt = dialog->findChild<QLabel*>()->text();
            auto* edit = dialog->findChild<QLineEdit*>();
            selected = edit->selectedText();
            maxLength = edit->maxLength();
            gesture(dialog);
        });
        QString name = QStringLiteral("Martin");
        QCOMPARE(NameQuery(nullptr, QStringLiteral("Nom d'enregitrement"),
                     QStringLiteral("Saisissez votre nom :"), name),
            accepted);
        QCOMPARE(name, text);
        QCOMPARE(caption, QStringLiteral("Nom d'enregitrement"));
        QCOMPARE(prompt, QStringLiteral("Saisissez votre nom :"));
        QCOMPARE(selected, QStringLiteral("Martin"));
        QCOMPARE(maxLength, 255);
    }

    void errorReportText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lettre") << "Disque plein"
                                << "Disque plein.";
        QTest::newRow("chiffre") << "Erreur E/S 103"
                                 << "Erreur E/S 103.";
        QTest::newRow("point d'interrogation") << "Vraiment ?"
                                               << "Vraiment ?.";
        QTest::newRow("apostrophe") << "'  /  /  ' n'est pas une date correcte"
                                    << "'  /  /  ' n'est pas une date correcte.";
        QTest::newRow("point") << "Le fichier de données contient plus de 100 identités."
                               << "Le fichier de données contient plus de 100 identités.";
        QTest::newRow("point d'exclamation") << "Attention !"
                                             << "Attention !";
        QTest::newRow("parenthèse") << "(fin)"
                                    << "(fin)";
        QTest::newRow("blanc") << "Fin "
                               << "Fin ";
        QTest::newRow("vide") << ""
                              << "";
        QTest::newRow("barre oblique") << "a/"
                                       << "a/.";
        QTest::newRow("virgule") << "a,"
                                 << "a,";
        QTest::newRow("validation")
            << "Valeur d'entrée incorrecte. Utiliser Echap pour abandonner les modifications"
            << "Valeur d'entrée incorrecte. Utiliser Echap pour abandonner les modifications.";
    }
    void errorReportText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorReportText(message), shown);
    }

    // An error escaping a handler ends it, shows the report, and the program goes on.
    void guardReportsAndGoesOn()
    {
        applicationTitle() = QStringLiteral("Parcoval");
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        WhenDialogOpens([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        bool after = false;
        RunGuarded(nullptr, [&] {
            throw ConversionError(QStringLiteral("'x' n'est pas une date correcte"));
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(caption, QStringLiteral("Parcoval"));
        QCOMPARE(text, QStringLiteral("'x' n'est pas une date correcte."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }

    void titleFromExecutable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("nom simple") << "/usr/bin/parcoval"
                                    << "parcoval";
        QTest::newRow("majuscules et extension") << "C:\\Programmes\\PARCOVAL.EXE"
                                                 << "Parcoval";
        QTest::newRow("casse mêlée") << "/opt/ParCoVal"
                                     << "Parcoval";
        QTest::newRow("deux points") << "./Mon.Outil.exe"
                                     << "Mon";
        QTest::newRow("point d'abord") << "/tmp/.cache"
                                       << "";
        QTest::newRow("sans dossier") << "Outil"
                                      << "Outil";
    }
    void titleFromExecutable()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitleFrom(path), title);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
