#include "NameQueryDialog.h"

#include "app/DialogUnits.h"
#include "app/Dialogs.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kMaximumLength = 255;
}

NameQueryDialog::NameQueryDialog(
    QWidget* parent, const QString& caption, const QString& prompt, const QString& text)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
    , m_edit(new QLineEdit(this))
{
    setWindowTitle(caption);
    setResult(int(DialogResult::Cancel));
    const DialogUnits units(fontMetrics());
    setFixedSize(units.horizontal(180), units.vertical(63));

    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Prompt"));
    label->setTextFormat(Qt::PlainText);
    label->move(units.horizontal(8), units.vertical(8));
    label->adjustSize();

    m_edit->setObjectName(QStringLiteral("Edit"));
    m_edit->setMaxLength(kMaximumLength);
    m_edit->setGeometry(units.horizontal(8), units.vertical(19), units.horizontal(164),
        m_edit->sizeHint().height());
    m_edit->setText(text);
    m_edit->selectAll();

    const auto addButton
        = [&](const QString& name, const QString& caption, int left, DialogResult result) {
              auto* button = new QPushButton(caption, this);
              button->setObjectName(name);
              button->setAutoDefault(true);
              button->setGeometry(units.horizontal(left), units.vertical(41), units.horizontal(50),
                  units.vertical(14));
              connect(button, &QPushButton::clicked, this, [this, result] { done(int(result)); });
              return button;
          };
    addButton(QStringLiteral("OK"), QStringLiteral("OK"), 38, DialogResult::OK)->setDefault(true);
    addButton(QStringLiteral("Cancel"), QStringLiteral("Annuler"), 92, DialogResult::Cancel);

    CentreOnScreen(*this);
    m_edit->setFocus(Qt::OtherFocusReason);
}

QString NameQueryDialog::text() const { return m_edit->text(); }

void NameQueryDialog::reject() { done(int(DialogResult::Cancel)); }
