#pragma once

#include "app/RecordSheet.h"

class QWidget;

// Prints the sheet on the printer the user chooses in Qt's print dialog; a cancelled dialog
// prints nothing.
void PrintRecordSheet(QWidget* window, const RecordSheet& sheet);

// Asks with Qt's file dialog, in French, where to save the sheet as PDF, starting from
// `suggested`, and writes it there; ".pdf" is added to a name without it. A cancelled dialog
// writes nothing.
void SaveRecordSheetPdf(QWidget* window, const RecordSheet& sheet, const QString& suggested);
