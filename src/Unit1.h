#pragma once

// The main window. Each control keeps its design name; the handlers are named after the
// control and the event, and are thin: they read control texts, call conventions/,
// progression/ and records/, and write texts back.
//
// The path of one event: the user picks a name in ComboBox1 -> ComboBox1Change finds the
// record -> setting RadioGroup1's index runs RadioGroup1Click at once (heading, then a
// guarded Button1Click) -> the fields are filled -> Button1Click computes the promotion
// dates and ComputeSeniority the seniority. An error ends the chain and is reported by the
// guard that every entry from Qt passes through.
//
// What the numbered controls hold:
//   MaskEdit1  date the current step was reached      Edit1..3  the three promotion dates
//   MaskEdit4  seniority start date                    MaskEdit3 seniority reference date
//   MaskEdit2  date of the last inspection             Edit6..8  seniority years, months, days
//   Edit4      mark of the last inspection             Label19   seniority in decimal years
//   Edit5      appraisal                               Label2    "Vous êtes promouvable au ..."
//   Edit9      NUMEN                                   Label3, 4 names of the first two rhythms
//   Edit10..15 Gestion 1, 2, Poste, Min., N° Dos., lettre
//   RadioGroup1 step held (index 0..9)    RadioButton1/2 corps    ComboBox1 record names

#include "app/RecordSheet.h"
#include "records/IdentityRecord.h"
#include "ui_Unit1.h"

#include <QWidget>

#include <variant>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Full calculation: promotion dates, then seniority.
    void Button1Click(QObject* Sender = nullptr);
    // A new step: heading, then the calculation, its errors emptying the promotion dates.
    void RadioGroup1Click(QObject* Sender = nullptr);
    // A new reference date: seniority only.
    void MaskEdit3Change(QObject* Sender = nullptr);
    void ComputeSeniority();
    void ParcovalPE();
    void ParcovalInstit();

    // Records: load at the first activation, select by name, save, delete.
    void FormActivate(QObject* Sender = nullptr);
    void ComboBox1Change(QObject* Sender = nullptr);
    void Button2Click(QObject* Sender = nullptr);
    void Button3Click(QObject* Sender = nullptr);

    // Clicks that empty fields, and the mark's decimal key.
    void MaskEdit1Click(QObject* Sender = nullptr);
    void MaskEdit2Click(QObject* Sender = nullptr);
    void MaskEdit4Click(QObject* Sender = nullptr);
    void Edit4Click(QObject* Sender = nullptr);
    void Edit5Click(QObject* Sender = nullptr);
    void Edit4KeyPress(QObject* Sender, QChar& Key);

    void FormCloseQuery(QObject* Sender, bool& CanClose);
    void Lisezmoi1Click(QObject* Sender = nullptr);
    // The record sheet: printed, or saved as PDF.
    void Imprimerlafiche1Click(QObject* Sender = nullptr);
    void EnregistrerlaficheenPDF1Click(QObject* Sender = nullptr);
    // What the window shows now, as the sheet shows it.
    RecordSheet CurrentRecordSheet() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireEvents();
    std::array<DigitFieldEdit*, 4> dateFields() const;
    void handDateRules();
    void fitOuterSizeAndCentre();
    void setStepIndex(int index);
    void setReferenceDate(const QString& text);
    // The control that shows a text field of the record.
    using FieldControl = std::variant<MaskDateEdit*, QLineEdit*>;
    FieldControl controlOf(RecordField field) const;
    void fillTextFields(const IdentityRecord& record);
    void takeFields(IdentityRecord& record) const;
    void showLoadedRecord(const IdentityRecord& record);
    void showChosenRecord(const IdentityRecord& record);

    Ui::TForm1 ui;
    bool m_activated = false;
    bool m_placed = false;
};
