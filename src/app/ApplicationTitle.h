#pragma once

#include <QString>

// The caption of the error report, taken from the executable's file name.
QString& applicationTitle();

// The file name without its directory, cut before its first ".", every letter after the
// first in lower case: "/opt/PARCOVAL.EXE" gives "Parcoval".
QString ApplicationTitleFrom(const QString& executablePath);
