#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Where "Lisez-moi.pdf" is looked for, in this order: the current directory, as it always
// was; the copy installed with the program; the copy an uninstalled build made.
QStringList ReadmeCandidates();

// The first candidate that is a file; empty when there is none.
QString FindReadme(const QStringList& candidates);

// Asks the desktop to open the first guide of the candidates. When there is none, or no
// program could be started to show it, a notice says so.
void OpenReadme(QWidget* window, const QStringList& candidates = ReadmeCandidates());
