#include "app/Startup.h"

#include "app/ApplicationTitle.h"
#include "conventions/LocaleConventions.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void prepareApplication(QApplication& application)
{
    ReadConventionsFromSystemLocale();
    // Qt's own texts (edit box menus, the calendar) in French like the rest of the program.
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    applicationTitle() = ApplicationTitleFrom(QApplication::applicationFilePath());
}
