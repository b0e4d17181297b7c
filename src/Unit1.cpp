#include "Unit1.h"

#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/Readme.h"
#include "app/RecordSheetOutput.h"
#include "conventions/DateText.h"
#include "conventions/LocalClock.h"
#include "conventions/LocaleConventions.h"
#include "conventions/NumberText.h"
#include "progression/Promotion.h"
#include "progression/Seniority.h"
#include "records/DataFile.h"
#include "records/RecordFields.h"
#include "records/RecordOperations.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// The outer size of the window, frame and title bar included, where the window manager allows.
constexpr QSize kOuterSize(636, 540);

DateValue parseDate(const QString& text)
{
    return ParseDateText(text, dateConventions(), int(LocalToday().year()));
}

QString formatDate(DateValue value) { return FormatDateText(value, dateConventions()); }

QString today() { return formatDate(TodaysDate(LocalToday())); }

QDate localDay()
{
    const auto day = LocalToday();
    return QDate(int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())));
}

// Labels size themselves to their text, growing to the right.
void setCaption(QLabel* label, const QString& text)
{
    label->setText(text);
    label->resize(std::max(label->sizeHint().width(), label->width()), label->height());
}

// A promotion date is announced with the name of its rhythm, which follows the corps.
void setRhythmCaption(QLabel* caption, QLineEdit* date, const QString& text)
{
    setCaption(caption, text);
    date->setAccessibleName(
        QStringLiteral("Promouvable %1 le").arg(QString(text).remove(QStringLiteral(" ;"))));
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    handDateRules();
    // The first control of the tab order; Enter then presses "Calculer".
    ui.Button1->setFocus(Qt::OtherFocusReason);
    wireEvents();
}

std::array<DigitFieldEdit*, 4> TForm1::dateFields() const
{
    return { ui.MaskEdit1, ui.MaskEdit2, ui.MaskEdit4, ui.MaskEdit3 };
}

// The date fields follow the conventions of the start: all take the delimiter, and the
// reference date also lays out its parts by the short date pattern of this moment.
void TForm1::handDateRules()
{
    const DateConventions& conventions = dateConventions();
    for (DigitFieldEdit* field : dateFields())
        field->setDelimiter(conventions.DateDelimiter);
    ui.MaskEdit3->setDateRules(DateFieldShapeOf(conventions.DatePattern), conventions.DateDelimiter,
        conventions.YearWindow);
    ui.MaskEdit3->setToday([] { return TodaysDate(LocalToday()); });
}

TForm1::~TForm1()
{
    // The controls go after this object; what they signal while going must reach no handler.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void TForm1::wireEvents()
{
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& position) { ui.PopupMenu1->popup(mapToGlobal(position)); });
    connect(ui.Lisezmoi1, &QAction::triggered, this,
        Guarded(this, [this] { Lisezmoi1Click(ui.Lisezmoi1); }));
    connect(ui.Imprimerlafiche1, &QAction::triggered, this,
        Guarded(this, [this] { Imprimerlafiche1Click(ui.Imprimerlafiche1); }));
    connect(ui.EnregistrerlaficheenPDF1, &QAction::triggered, this,
        Guarded(this, [this] { EnregistrerlaficheenPDF1Click(ui.EnregistrerlaficheenPDF1); }));

    connect(ui.Button1, &QPushButton::clicked, this,
        Guarded(this, [this] { Button1Click(ui.Button1); }));
    // A corps button counts as clicked when it becomes checked; the one unchecked with it does not.
    for (QRadioButton* corps : { ui.RadioButton1, ui.RadioButton2 }) {
        connect(corps, &QRadioButton::toggled, this, Guarded(this, [this, corps] {
            if (corps->isChecked())
                Button1Click(corps);
        }));
    }
    connect(ui.RadioGroup1, &RadioGroup::itemIndexChanged, this,
        Guarded(this, [this] { RadioGroup1Click(ui.RadioGroup1); }));
    connect(ui.MaskEdit3, &CalendarDateEdit::dateTextChanged, this,
        Guarded(this, [this] { MaskEdit3Change(ui.MaskEdit3); }));
    connect(ui.ComboBox1, &NameComboBox::nameChangedByUser, this,
        Guarded(this, [this] { ComboBox1Change(ui.ComboBox1); }));
    connect(ui.Button2, &QPushButton::clicked, this,
        Guarded(this, [this] { Button2Click(ui.Button2); }));
    connect(ui.Button3, &QPushButton::clicked, this,
        Guarded(this, [this] { Button3Click(ui.Button3); }));
    connect(ui.MaskEdit1, &ClickEdit::clicked, this,
        Guarded(this, [this] { MaskEdit1Click(ui.MaskEdit1); }));
    connect(ui.MaskEdit2, &ClickEdit::clicked, this,
        Guarded(this, [this] { MaskEdit2Click(ui.MaskEdit2); }));
    connect(ui.MaskEdit4, &ClickEdit::clicked, this,
        Guarded(this, [this] { MaskEdit4Click(ui.MaskEdit4); }));
    connect(ui.Edit4, &ClickEdit::clicked, this, Guarded(this, [this] { Edit4Click(ui.Edit4); }));
    connect(ui.Edit5, &ClickEdit::clicked, this, Guarded(this, [this] { Edit5Click(ui.Edit5); }));
    ui.Edit4->installEventFilter(this);
    for (MaskDateEdit* field : { ui.MaskEdit1, ui.MaskEdit2, ui.MaskEdit4 }) {
        connect(field, &MaskDateEdit::invalidEntry, this, Guarded(this, [] {
            throw ParcovalError(QStringLiteral(
                "Valeur d'entrée incorrecte. Utiliser Echap pour abandonner les modifications"));
        }));
    }
}

bool TForm1::event(QEvent* event)
{
    // The first activation only: coming back from a dialog or another program is not a new start.
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, Guarded(this, [this] { FormActivate(this); }));
    }
    return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    RunGuarded(this, [&] { FormCloseQuery(this, canClose); });
    event->setAccepted(canClose);
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange) {
        ReadConventionsFromSystemLocale();
        for (DigitFieldEdit* field : dateFields())
            field->setDelimiter(dateConventions().DateDelimiter);
    }
    QWidget::changeEvent(event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        fitOuterSizeAndCentre();
    }
}

void TForm1::fitOuterSizeAndCentre()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(kOuterSize - frame);
    const QRect desktop = screen()->availableGeometry();
    move(desktop.x() + (desktop.width() - kOuterSize.width()) / 2,
        desktop.y() + (desktop.height() - kOuterSize.height()) / 2);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.Edit4 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().size() == 1) {
            QChar typed = key->text().front();
            RunGuarded(this, [&] { Edit4KeyPress(ui.Edit4, typed); });
            if (typed != key->text().front()) {
                QKeyEvent replaced(
                    QEvent::KeyPress, Qt::Key_unknown, key->modifiers(), QString(typed));
                QCoreApplication::sendEvent(ui.Edit4, &replaced);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The program's own changes of the step and of the reference date run their handlers
// directly, so that an error travels back to the handler that made the change.
void TForm1::setStepIndex(int index)
{
    const int before = ui.RadioGroup1->itemIndex();
    {
        const QSignalBlocker quiet(ui.RadioGroup1);
        ui.RadioGroup1->setItemIndex(index);
    }
    if (ui.RadioGroup1->itemIndex() != before)
        RadioGroup1Click(nullptr);
}

void TForm1::setReferenceDate(const QString& text)
{
    const QString before = ui.MaskEdit3->dateText();
    {
        const QSignalBlocker quiet(ui.MaskEdit3);
        ui.MaskEdit3->setDateText(text);
    }
    if (ui.MaskEdit3->dateText() != before)
        MaskEdit3Change(nullptr);
}

TForm1::FieldControl TForm1::controlOf(RecordField field) const
{
    const std::array<std::pair<RecordField, FieldControl>, 12> controls { {
        { RecordField::PromotionDate, ui.MaskEdit1 },
        { RecordField::InspectionDate, ui.MaskEdit2 },
        { RecordField::Mark, ui.Edit4 },
        { RecordField::Appraisal, ui.Edit5 },
        { RecordField::SeniorityStart, ui.MaskEdit4 },
        { RecordField::Numen, ui.Edit9 },
        { RecordField::Gestion1, ui.Edit10 },
        { RecordField::Gestion2, ui.Edit11 },
        { RecordField::Poste, ui.Edit12 },
        { RecordField::Min, ui.Edit13 },
        { RecordField::Dossier, ui.Edit14 },
        { RecordField::Letter, ui.Edit15 },
    } };
    const auto found = std::find_if(controls.begin(), controls.end(),
        [field](const auto& control) { return control.first == field; });
    Q_ASSERT(found != controls.end()); // every text field has its control
    return found->second;
}

namespace {

// A masked date field is read and written through its date text.
struct FieldText {
    QString operator()(const MaskDateEdit* date) const { return date->dateText(); }
    QString operator()(const QLineEdit* edit) const { return edit->text(); }
};

struct SetFieldText {
    const QString& text;
    void operator()(MaskDateEdit* date) const { date->setDateText(text); }
    void operator()(QLineEdit* edit) const { edit->setText(text); }
};

} // namespace

void TForm1::fillTextFields(const IdentityRecord& record)
{
    for (const TextField& text : kTextFieldsInFillOrder)
        std::visit(SetFieldText { ReadField(record, text.field) }, controlOf(text.field));
}

void TForm1::takeFields(IdentityRecord& record) const
{
    TakeFields(record, ui.RadioGroup1->itemIndex(),
        [this](RecordField field) { return std::visit(FieldText {}, controlOf(field)); });
}

// The load shows a record's texts before its step, so that the RadioGroup1Click a new step
// runs computes with them; the reference date, which the calculation reads, goes in between.
void TForm1::showLoadedRecord(const IdentityRecord& record)
{
    const int stepIndex = StepIndexOf(record);
    setCaption(ui.Label2, PromotionHeading(stepIndex));
    fillTextFields(record);
    setReferenceDate(today());
    setStepIndex(stepIndex);
    Button1Click(nullptr);
}

// A choice in the name list sets the step first: the RadioGroup1Click it runs computes with
// the previous texts, as the design has it; the chosen texts follow and are computed again.
void TForm1::showChosenRecord(const IdentityRecord& record)
{
    const int stepIndex = StepIndexOf(record);
    setStepIndex(stepIndex);
    setCaption(ui.Label2, PromotionHeading(stepIndex));
    fillTextFields(record);
    Button1Click(nullptr);
}

void TForm1::Button1Click(QObject*)
{
    const bool professeur = ui.RadioButton1->isChecked();
    professeur ? ParcovalPE() : ParcovalInstit();
    const RhythmCaptions captions
        = RhythmCaptionsOf(professeur ? Corps::ProfesseurDesEcoles : Corps::Instituteur);
    setRhythmCaption(ui.Label3, ui.Edit1, captions.fast);
    setRhythmCaption(ui.Label4, ui.Edit2, captions.middle);
    setCaption(ui.Label2, PromotionHeading(ui.RadioGroup1->itemIndex()));
    const auto dates
        = ComputePromotionDates(parseDate(ui.MaskEdit1->dateText()), currentDurations());
    ui.Edit1->setText(formatDate(dates[0]));
    ui.Edit2->setText(formatDate(dates[1]));
    ui.Edit3->setText(formatDate(dates[2]));
    // From the first calculation on, dates are read and written day, month, two-digit year.
    dateConventions().YearWindow = 50;
    dateConventions().DatePattern = QStringLiteral("dd/mm/yy");
    ComputeSeniority();
}

void TForm1::ParcovalPE()
{
    SelectDurations(Corps::ProfesseurDesEcoles, ui.RadioGroup1->itemIndex());
}

void TForm1::ParcovalInstit() { SelectDurations(Corps::Instituteur, ui.RadioGroup1->itemIndex()); }

void TForm1::ComputeSeniority()
{
    const DateValue start = parseDate(ui.MaskEdit4->dateText());
    const DateValue reference = parseDate(ui.MaskEdit3->dateText());
    const SeniorityTexts texts
        = FormatSeniority(ComputeSeniorityResult(start, reference), decimalMark());
    ui.Edit6->setText(texts.years);
    ui.Edit7->setText(texts.months);
    ui.Edit8->setText(texts.days);
    setCaption(ui.Label19, texts.decimalYears);
}

void TForm1::RadioGroup1Click(QObject*)
{
    setCaption(ui.Label2, PromotionHeading(ui.RadioGroup1->itemIndex()));
    try {
        Button1Click(nullptr);
    } catch (const std::exception&) {
        // A step changed while a date field is incomplete: no dates, and no message.
        for (int n = 1; n <= 3; ++n)
            findChild<QLineEdit*>(QStringLiteral("Edit") + FormatInteger(n))->clear();
    }
}

void TForm1::MaskEdit3Change(QObject*) { ComputeSeniority(); }

void TForm1::FormActivate(QObject*)
{
    decimalMark() = u',';
    RecordTable& table = recordTable();
    bool loaded = false;
    try {
        loaded = ReadDataFile(table, [this](const QString& name) { ui.ComboBox1->addName(name); });
    } catch (const DataFileOpenError&) {
        // An existing file that cannot be opened is not hidden: the window starts as without
        // one, and the reason is reported.
        setReferenceDate(today());
        throw;
    }
    if (loaded) {
        ui.ComboBox1->setNameText(ui.ComboBox1->itemText(0));
        if (const auto number = table.find(ui.ComboBox1->nameText()))
            showLoadedRecord(IdentityRecord(table.slot(*number)));
    }
    setReferenceDate(today());
}

void TForm1::ComboBox1Change(QObject*)
{
    // While a name is being typed, or for a name no record has, nothing changes.
    if (const auto number = recordTable().find(ui.ComboBox1->nameText()))
        showChosenRecord(IdentityRecord(recordTable().slot(*number)));
}

void TForm1::Button2Click(QObject*)
{
    QString name = ui.ComboBox1->nameText();
    if (!NameQuery(this, QStringLiteral("Nom d'enregitrement"),
            QStringLiteral("Saisissez votre nom :"), name)
        || name.isEmpty()) {
        NoticeDialog(this, QStringLiteral("Les données n'ont pas été enregistrées !"),
            DialogKind::Warning, DialogButton::OK, 0);
        return;
    }
    // The list, the text and the stored record all hold the name as stored.
    name = StoredName(name);
    const SaveOutcome outcome
        = SaveRecord(recordTable(), name, [this](IdentityRecord& record) { takeFields(record); });
    if (outcome == SaveOutcome::Added)
        ui.ComboBox1->addName(name);
    // The file is written before the window is refreshed from it.
    ui.ComboBox1->setNameText(name);
    ComboBox1Change(nullptr);
}

void TForm1::Button3Click(QObject*)
{
    const DialogResult answer
        = AskDialog(this, QStringLiteral("Êtes-vous sûr de vouloir supprimer cette identité ?"),
            DialogKind::Warning, DialogButton::Yes | DialogButton::No, DialogResult::No, 0);
    if (answer != DialogResult::Yes) {
        NoticeDialog(this, QStringLiteral("L'identité n'a pas été supprimée !"),
            DialogKind::Information, DialogButton::OK, 0);
        return;
    }
    // The file changes first; the table and the list follow only once it has.
    const QString name = ui.ComboBox1->nameText();
    if (!DeleteRecord(recordTable(), name))
        return;
    ui.ComboBox1->removeName(name);
    ui.ComboBox1->setNameText(QString());
}

void TForm1::MaskEdit1Click(QObject*)
{
    ui.MaskEdit1->setDateText(QString());
    for (int n = 1; n <= 3; ++n)
        findChild<QLineEdit*>(QStringLiteral("Edit") + FormatInteger(n))->clear();
}

void TForm1::MaskEdit2Click(QObject*) { ui.MaskEdit2->setDateText(QString()); }

void TForm1::MaskEdit4Click(QObject*)
{
    ui.MaskEdit4->setDateText(QString());
    ui.Edit6->clear();
    ui.Edit7->clear();
    ui.Edit8->clear();
    setCaption(ui.Label19, QStringLiteral("0"));
}

void TForm1::Edit4Click(QObject*) { ui.Edit4->clear(); }

void TForm1::Edit5Click(QObject*) { ui.Edit5->clear(); }

void TForm1::Edit4KeyPress(QObject*, QChar& Key)
{
    // The mark is written with a decimal comma, even from the keypad.
    if (Key == u'.')
        Key = u',';
}

void TForm1::FormCloseQuery(QObject*, bool& CanClose)
{
    const DialogResult answer
        = AskDialog(this, QStringLiteral("Avez-vous enregistré vos données ?"), DialogKind::Warning,
            DialogButton::Yes | DialogButton::No, DialogResult::No, 0);
    CanClose = answer == DialogResult::Yes;
    if (CanClose)
        QCoreApplication::quit();
}

void TForm1::Lisezmoi1Click(QObject*) { OpenReadme(this); }

void TForm1::Imprimerlafiche1Click(QObject*) { PrintRecordSheet(this, CurrentRecordSheet()); }

void TForm1::EnregistrerlaficheenPDF1Click(QObject*)
{
    SaveRecordSheetPdf(this, CurrentRecordSheet(),
        QDir::current().absoluteFilePath(
            DefaultSheetFileName(ui.ComboBox1->nameText(), localDay())));
}

RecordSheet TForm1::CurrentRecordSheet() const
{
    const QRadioButton* step = ui.RadioGroup1->button(ui.RadioGroup1->itemIndex());
    RecordSheet sheet;
    sheet.name = ui.ComboBox1->nameText();
    sheet.numen = ui.Edit9->text();
    sheet.corps = (ui.RadioButton1->isChecked() ? ui.RadioButton1 : ui.RadioButton2)->text();
    sheet.step = step ? step->text() : QString();
    sheet.promotionDate = ui.MaskEdit1->text();
    sheet.heading = ui.Label2->text();
    sheet.promotionDates = { ui.Edit1->text(), ui.Edit2->text(), ui.Edit3->text() };
    sheet.rhythms = { ui.Label3->text(), ui.Label4->text(), ui.Label5->text() };
    sheet.seniorityStart = ui.MaskEdit4->text();
    sheet.referenceDate = ui.MaskEdit3->text();
    sheet.years = ui.Edit6->text();
    sheet.months = ui.Edit7->text();
    sheet.days = ui.Edit8->text();
    sheet.decimalYears = ui.Label19->text();
    sheet.inspectionDate = ui.MaskEdit2->text();
    sheet.mark = ui.Edit4->text();
    sheet.appraisal = ui.Edit5->text();
    sheet.gestion1 = ui.Edit10->text();
    sheet.gestion2 = ui.Edit11->text();
    sheet.poste = ui.Edit12->text();
    sheet.letter = ui.Edit15->text();
    sheet.min = ui.Edit13->text();
    sheet.dossier = ui.Edit14->text();
    sheet.printedOn = localDay().toString(QStringLiteral("dd/MM/yyyy"));
    return sheet;
}
