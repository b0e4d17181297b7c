#include "Readme.h"

#include "app/Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString kGuide = QStringLiteral("Lisez-moi.pdf");

} // namespace

QStringList ReadmeCandidates()
{
    // The installed copy is found from the program's own place, wherever it was installed.
    const QDir programs(QCoreApplication::applicationDirPath());
    return { QDir::current().absoluteFilePath(kGuide),
        programs.absoluteFilePath(QStringLiteral(PARCOVAL_DOCDIR_FROM_BINDIR "/") + kGuide),
        QStringLiteral(PARCOVAL_BUILD_GUIDE) };
}

QString FindReadme(const QStringList& candidates)
{
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

void OpenReadme(QWidget* window, const QStringList& candidates)
{
    const QString guide = FindReadme(candidates);
    if (guide.isEmpty()) {
        NoticeDialog(window,
            QStringLiteral("Le guide d'utilisation « Lisez-moi.pdf » est introuvable."),
            DialogKind::Warning, DialogButton::OK, 0);
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide))) {
        NoticeDialog(window,
            QStringLiteral("Aucun programme n'a pu ouvrir le guide « Lisez-moi.pdf ». "
                           "Installez un lecteur de fichiers PDF."),
            DialogKind::Warning, DialogButton::OK, 0);
    }
}
