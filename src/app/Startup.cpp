#include "app/Startup.h"

#include "conventions/LocaleConventions.h"

#include <QApplication>

void prepareApplication(QApplication&) { ReadConventionsFromSystemLocale(); }
