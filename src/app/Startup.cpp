#include "app/Startup.h"

#include "app/ApplicationTitle.h"
#include "conventions/LocaleConventions.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <langinfo.h>

namespace {

// Qt hands the window's title to X11 through the C library's character type. Without a UTF-8
// one (no LANG at all, the bare C locale) "Données" would reach the desktop as "DonnÃ©es".
// Only the character type changes: dates and numbers keep the user's locale.
void useUtf8CharacterType()
{
    const char* codeset = nl_langinfo(CODESET);
    if (qstricmp(codeset, "UTF-8") == 0 || qstricmp(codeset, "utf8") == 0)
        return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "C.utf8");
}

} // namespace

void prepareApplication(QApplication& application)
{
    useUtf8CharacterType();
    ReadConventionsFromSystemLocale();
    // Qt's own texts (edit box menus, the calendar) in French like the rest of the program.
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    applicationTitle() = ApplicationTitleFrom(QApplication::applicationFilePath());
    // The same picture in the title bar, the task bar and the menu entry, installed or not.
    QIcon icon;
    for (const int size : { 32, 64, 128 })
        icon.addFile(QStringLiteral(":/icons/parcoval-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(PARCOVAL_APPLICATION_ID));
}
