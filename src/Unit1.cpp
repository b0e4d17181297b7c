#include "Unit1.h"

#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/Readme.h"
#include "conventions/LocaleConventions.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

// The outer size of the window, frame and title bar included, where the window manager allows.
constexpr QSize kOuterSize(636, 540);

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    // The first control of the tab order; Enter then presses "Calculer".
    ui.Button1->setFocus(Qt::OtherFocusReason);
    wireEvents();
}

void TForm1::wireEvents()
{
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& position) { ui.PopupMenu1->popup(mapToGlobal(position)); });
    connect(ui.Lisezmoi1, &QAction::triggered, this,
        Guarded(this, [this] { Lisezmoi1Click(ui.Lisezmoi1); }));
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
        for (MaskDateEdit* field : { ui.MaskEdit1, ui.MaskEdit2, ui.MaskEdit4 })
            field->refreshDelimiter();
        ui.MaskEdit3->refreshDelimiter();
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
    return QWidget::eventFilter(watched, event);
}

void TForm1::FormActivate(QObject*) { }

void TForm1::FormCloseQuery(QObject*, bool& CanClose)
{
    const int answer = AskDialog(this, QStringLiteral("Avez-vous enregistré vos données ?"),
        DialogKind::Warning, DialogButton::Yes | DialogButton::No, DialogResult::No, 0);
    CanClose = answer == DialogResult::Yes;
    if (CanClose)
        QCoreApplication::quit();
}

void TForm1::Lisezmoi1Click(QObject*) { OpenReadme(); }

void TForm1::Button1Click(QObject*) { }
void TForm1::RadioGroup1Click(QObject*) { }
void TForm1::MaskEdit3Change(QObject*) { }
void TForm1::ComputeSeniority() { }
void TForm1::ParcovalPE() { }
void TForm1::ParcovalInstit() { }
void TForm1::ComboBox1Change(QObject*) { }
void TForm1::Button2Click(QObject*) { }
void TForm1::Button3Click(QObject*) { }
void TForm1::MaskEdit1Click(QObject*) { }
void TForm1::MaskEdit2Click(QObject*) { }
void TForm1::MaskEdit4Click(QObject*) { }
void TForm1::Edit4Click(QObject*) { }
void TForm1::Edit5Click(QObject*) { }
void TForm1::Edit4KeyPress(QObject*, QChar&) { }
