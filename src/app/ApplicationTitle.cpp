#include "ApplicationTitle.h"

QString& applicationTitle()
{
    static QString title;
    return title;
}

QString ApplicationTitleFrom(const QString& executablePath)
{
    QString name = executablePath.mid(executablePath.lastIndexOf(u'/') + 1);
    name = name.mid(name.lastIndexOf(u'\\') + 1);
    name = name.left(name.indexOf(u'.'));
    return name.left(1) + name.mid(1).toLower();
}
