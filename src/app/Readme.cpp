#include "Readme.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void OpenReadme()
{
    const QString readme = QDir::current().absoluteFilePath(QStringLiteral("Lisez-moi.pdf"));
    // A missing document would only make the desktop complain in the program's place.
    if (QFileInfo::exists(readme))
        QDesktopServices::openUrl(QUrl::fromLocalFile(readme));
}
