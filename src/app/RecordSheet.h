#pragma once

#include <QDate>
#include <QString>

#include <array>

class QPagedPaintDevice;

// What the record sheet shows: the window's texts at the moment it is printed, as the window
// shows them. The sheet computes nothing of its own.
struct RecordSheet {
    QString name; // the name list's text; empty for a record not saved
    QString numen;
    QString corps;
    QString step; // the step held, as its item reads ("5e échelon"); empty when none
    QString promotionDate;
    QString heading; // "Vous êtes promouvable au ..."
    std::array<QString, 3> promotionDates;
    std::array<QString, 3> rhythms; // the captions beside them ("au grand choix ;" ...)
    QString seniorityStart;
    QString referenceDate;
    QString years;
    QString months;
    QString days;
    QString decimalYears;
    QString inspectionDate;
    QString mark;
    QString appraisal;
    QString gestion1;
    QString gestion2;
    QString poste;
    QString letter;
    QString min;
    QString dossier;
    QString printedOn;
};

// Lays the sheet out on the current page of the device, a printer or a PDF writer: one A4
// page in French. ParcovalError when the device cannot be painted on.
void PaintRecordSheet(const RecordSheet& sheet, QPagedPaintDevice& device);

// Writes the sheet as a one-page PDF, whole or not at all. ParcovalError naming the file when
// it cannot be written.
void WriteRecordSheetPdf(const RecordSheet& sheet, const QString& fileName);

// "Fiche Dupont Émilie 2026-12-11.pdf": the record's name, without what a file name cannot
// hold, and the day.
QString DefaultSheetFileName(const QString& name, QDate today);
