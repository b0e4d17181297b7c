#include "ScriptedAnswers.h"
#include "app/ApplicationTitle.h"
#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/MessageDialog.h"
#include "app/NameQueryDialog.h"
#include "app/ScreenPresenter.h"
#include "conventions/Errors.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

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

// A key typed at whatever has the focus in the dialog.
void pressKey(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
    QTest::keyClick(target, key, modifiers);
}

Gesture key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [key, modifiers](QWidget* dialog) { pressKey(dialog, key, modifiers); };
}

Gesture closeBox()
{
    return [](QWidget* dialog) { dialog->close(); };
}

const DialogButtons kEveryButton = DialogButton::Yes | DialogButton::No | DialogButton::OK
    | DialogButton::Cancel | DialogButton::Abort | DialogButton::Retry | DialogButton::Ignore
    | DialogButton::All | DialogButton::NoToAll | DialogButton::YesToAll;

// The button whose accelerator is Alt and that letter, as its caption underlines it, pressed.
// (Qt's shortcut map itself does not answer synthesized keys under the test platform.)
Gesture accelerator(Qt::Key letter)
{
    return [letter](QWidget* dialog) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->shortcut() == QKeySequence(Qt::ALT | letter)) {
                button->click();
                return;
            }
        }
        QTest::qFail("aucun bouton n'a ce raccourci", __FILE__, __LINE__);
    };
}

// Shows the dialog as its presenter would, acts on it as the user would, and gives what closed
// it; -1 when it is still open.
int answered(QDialog& dialog, const Gesture& gesture)
{
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog)) {
        QTest::qFail("le dialogue ne s'est pas activé", __FILE__, __LINE__);
        return -1;
    }
    gesture(&dialog);
    return dialog.isVisible() ? -1 : dialog.result();
}

MessageRequest request(const QString& message, DialogKind kind, DialogButtons buttons)
{
    return { message, kind, buttons, 0 };
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class TestDialogs : public QObject {
    Q_OBJECT
    QString m_title;

private slots:
    // The caption of the Custom kind and of the error report.
    void init() { m_title = std::exchange(applicationTitle(), QStringLiteral("Parcoval")); }
    void cleanup() { applicationTitle() = m_title; }

    void ask_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("result");
        QTest::newRow("&Oui") << click("Yes") << 6;
        QTest::newRow("&Non") << click("No") << 7;
        QTest::newRow("Entrée sur &Non") << key(Qt::Key_Return) << 7;
        QTest::newRow("Échap") << key(Qt::Key_Escape) << 7;
        QTest::newRow("Espace sur &Non") << key(Qt::Key_Space) << 7;
        QTest::newRow("Alt+O") << accelerator(Qt::Key_O) << 6;
        QTest::newRow("Alt+N") << accelerator(Qt::Key_N) << 7;
        QTest::newRow("case de fermeture") << closeBox() << 2;
        QTest::newRow("Tab puis Espace sur &Oui") << Gesture([](QWidget* dialog) {
            pressKey(dialog, Qt::Key_Backtab);
            pressKey(dialog, Qt::Key_Space);
        }) << 6;
    }
    void ask()
    {
        QFETCH(Gesture, gesture);
        QFETCH(int, result);
        const auto dialog = MessageDialog::ForAsk(nullptr,
            request(QStringLiteral("Êtes-vous sûr de vouloir supprimer cette identité ?"),
                DialogKind::Warning, DialogButton::Yes | DialogButton::No),
            DialogResult::No, -1, -1);
        QString focused;
        QCOMPARE(answered(*dialog,
                     [&](QWidget* shown) {
                         focused = QApplication::focusWidget()->objectName();
                         gesture(shown);
                     }),
            result);
        QCOMPARE(focused, QStringLiteral("No"));
    }

    // AskDialog, NoticeDialog and NameQuery ask the presenter, with their own arguments.
    void dialogsGoThroughThePresenter()
    {
        ScriptedAnswers answers({ ClickButton(QStringLiteral("Yes")),
            ClickButton(QStringLiteral("OK")), EnterName(QStringLiteral("Durand")) });
        QCOMPARE(AskDialog(nullptr, QStringLiteral("Question"), DialogKind::Warning,
                     DialogButton::Yes | DialogButton::No, DialogResult::No, 0),
            DialogResult::Yes);
        QCOMPARE(NoticeDialog(
                     nullptr, QStringLiteral("Avis"), DialogKind::Information, DialogButton::OK, 0),
            DialogResult::OK);
        QString name = QStringLiteral("Martin");
        QVERIFY(NameQuery(nullptr, QStringLiteral("Titre"), QStringLiteral("Nom :"), name));
        QCOMPARE(name, QStringLiteral("Durand"));
        QCOMPARE(answers.seen, (QStringList { "Question", "Avis", "Titre" }));
        QCOMPARE(answers.boxes[0].focus, DialogResult::No);
        QCOMPARE(answers.boxes[2].text, QStringLiteral("Martin"));
    }

    void askLooks()
    {
        MessageDialog dialog(nullptr,
            request(QStringLiteral("Avez-vous enregistré vos données ?"), DialogKind::Warning,
                DialogButton::No | DialogButton::Yes));
        QString captions;
        QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (QPushButton* button : buttons)
            captions += button->text() + u'|';
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Avertissement"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Message"))->text(),
            QStringLiteral("Avez-vous enregistré vos données ?"));
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("Image")));
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
        MessageDialog dialog(
            nullptr, request(QStringLiteral("Texte"), DialogKind(kind), DialogButton::OK));
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Image")) != nullptr, icon);
        QCOMPARE(answered(dialog, click("OK")), 1);
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
        MessageDialog dialog(nullptr,
            request(QStringLiteral("L'identité n'a pas été supprimée !"), DialogKind::Information,
                DialogButton::OK));
        QCOMPARE(answered(dialog, gesture), result);
    }

    // Buttons come in their fixed order with their captions and results; the default and
    // cancel buttons follow their rule.
    void buttonOrderAndRoles()
    {
        const auto dialog = MessageDialog::ForAsk(nullptr,
            request(QStringLiteral("?"), DialogKind::Confirmation, kEveryButton),
            DialogResult::None, -1, -1);
        QStringList names;
        QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (QPushButton* button : buttons)
            names << button->objectName() + u'=' + button->text();
        QCOMPARE(answered(*dialog, click("Abort")), 3);
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
        const MessageRequest shown
            = request(QStringLiteral("?"), DialogKind::Custom, DialogButtons(buttons));
        const auto forEnter = MessageDialog::ForAsk(nullptr, shown, DialogResult::None, -1, -1);
        QCOMPARE(answered(*forEnter,
                     [](QWidget* dialog) {
                         dialog->setFocus();
                         pressKey(dialog, Qt::Key_Return);
                     }),
            enter);
        const auto forEscape = MessageDialog::ForAsk(nullptr, shown, DialogResult::None, -1, -1);
        QCOMPARE(answered(*forEscape, key(Qt::Key_Escape)), escape);
    }

    void askPlacesItsEdges()
    {
        const auto dialog = MessageDialog::ForAsk(nullptr,
            request(QStringLiteral("Ici"), DialogKind::Information, DialogButton::OK),
            DialogResult::OK, 40, 30);
        QCOMPARE(dialog->pos(), QPoint(40, 30));
        QCOMPARE(answered(*dialog, click("OK")), 1);
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
            pressKey(d, Qt::Key_Return);
        }) << true << " Dupont  ";
        QTest::newRow("vide") << Gesture([](QWidget* d) {
            pressKey(d, Qt::Key_Delete);
            click("OK")(d);
        }) << true << "";
        QTest::newRow("Annuler") << Gesture([=](QWidget* d) {
            typeName(d);
            click("Cancel")(d);
        }) << false << "Martin";
        QTest::newRow("Échap") << Gesture([=](QWidget* d) {
            typeName(d);
            pressKey(d, Qt::Key_Escape);
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
        NameQueryDialog dialog(nullptr, QStringLiteral("Nom d'enregitrement"),
            QStringLiteral("Saisissez votre nom :"), QStringLiteral("Martin"));
        auto* edit = dialog.findChild<QLineEdit*>();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nom d'enregitrement"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Saisissez votre nom :"));
        QCOMPARE(edit->selectedText(), QStringLiteral("Martin"));
        QCOMPARE(edit->maxLength(), 255);
        const int result = answered(dialog, gesture);
        QCOMPARE(result == int(DialogResult::OK), accepted);
        QCOMPARE(accepted ? dialog.text() : QStringLiteral("Martin"), text);
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
        ScriptedAnswers answers({ ClickButton(QStringLiteral("OK")) });
        bool after = false;
        RunGuarded(nullptr, [&] {
            throw ConversionError(QStringLiteral("'x' n'est pas une date correcte"));
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(answers.seen, QStringList { "'x' n'est pas une date correcte." });
        QCOMPARE(answers.boxes[0].kind, ScriptedAnswers::Box::ErrorReport);
    }

    void errorReportBox()
    {
        const auto box = MakeErrorReportBox(nullptr, QStringLiteral("Disque plein."));
        QCOMPARE(box->windowTitle(), QStringLiteral("Parcoval"));
        QCOMPARE(box->text(), QStringLiteral("Disque plein."));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(answered(*box, [&](QWidget*) { box->button(QMessageBox::Ok)->click(); }),
            int(QMessageBox::Ok));
    }

    // The record sheet's dialogs: Qt's own file dialog, saving a PDF from the name offered,
    // and the print dialog that may print to a file.
    void sheetDialogs()
    {
        const auto files
            = MakeSheetFileDialog(nullptr, QStringLiteral("Enregistrer la fiche en PDF"),
                QDir::temp().absoluteFilePath(QStringLiteral("Fiche Albert 2026-12-10.pdf")));
        QCOMPARE(files->windowTitle(), QStringLiteral("Enregistrer la fiche en PDF"));
        QVERIFY(files->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(files->defaultSuffix(), QStringLiteral("pdf"));
        QCOMPARE(files->nameFilters(), QStringList { "Documents PDF (*.pdf)" });
        QCOMPARE(QFileInfo(files->selectedFiles().value(0)).fileName(),
            QStringLiteral("Fiche Albert 2026-12-10.pdf"));
        QPrinter printer;
        const auto print
            = MakeSheetPrintDialog(nullptr, QStringLiteral("Imprimer la fiche"), printer);
        QCOMPARE(print->windowTitle(), QStringLiteral("Imprimer la fiche"));
        QCOMPARE(print->printer(), &printer);
        QVERIFY(print->testOption(QAbstractPrintDialog::PrintToFile));
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
