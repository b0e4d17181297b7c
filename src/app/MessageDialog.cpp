#include "MessageDialog.h"

#include "app/ApplicationTitle.h"
#include "app/DialogUnits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

struct ButtonEntry {
    DialogButton button;
    const char* name;
    const char* caption;
    int result;
};

const ButtonEntry kButtonEntries[] = {
    { DialogButton::Yes, "Yes", "&Oui", DialogResult::Yes },
    { DialogButton::No, "No", "&Non", DialogResult::No },
    { DialogButton::OK, "OK", "OK", DialogResult::OK },
    { DialogButton::Cancel, "Cancel", "Annuler", DialogResult::Cancel },
    { DialogButton::Abort, "Abort", "&Abandon", DialogResult::Abort },
    { DialogButton::Retry, "Retry", "&Retenter", DialogResult::Retry },
    { DialogButton::Ignore, "Ignore", "I&gnorer", DialogResult::Ignore },
    { DialogButton::All, "All", "&Tout", DialogResult::All },
    { DialogButton::NoToAll, "NoToAll", "Non &pour tout", DialogResult::NoToAll },
    { DialogButton::YesToAll, "YesToAll", "O&ui pour tout", DialogResult::YesToAll },
    { DialogButton::Help, "Help", "A&ide", DialogResult::None },
};

QString captionOf(DialogKind kind)
{
    switch (kind) {
    case DialogKind::Warning:
        return QStringLiteral("Avertissement");
    case DialogKind::Error:
        return QStringLiteral("Erreur");
    case DialogKind::Information:
        return QStringLiteral("Information");
    case DialogKind::Confirmation:
        return QStringLiteral("Confirmation");
    case DialogKind::Custom:
        break;
    }
    return applicationTitle();
}

// The system's standard icon of the kind; none for Custom.
QIcon iconOf(DialogKind kind, const QStyle* style)
{
    switch (kind) {
    case DialogKind::Warning:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case DialogKind::Error:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case DialogKind::Information:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case DialogKind::Confirmation:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case DialogKind::Custom:
        break;
    }
    return {};
}

QPushButton* firstShown(const QList<QPushButton*>& buttons, std::initializer_list<int> results)
{
    for (const int result : results) {
        for (QPushButton* button : buttons) {
            if (button->property("result").toInt() == result)
                return button;
        }
    }
    return nullptr;
}

constexpr int kIconSize = 32;

} // namespace

MessageDialog::MessageDialog(
    QWidget* parent, const QString& message, DialogKind kind, DialogButtons buttons)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
{
    setWindowTitle(captionOf(kind));
    setResult(DialogResult::Cancel);
    const DialogUnits units(fontMetrics());
    const int horizontalMargin = units.horizontal(8);
    const int verticalMargin = units.vertical(8);
    const int horizontalSpacing = units.horizontal(10);
    const int verticalSpacing = units.vertical(10);
    const int buttonHeight = units.vertical(14);
    const int buttonSpacing = units.horizontal(4);

    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->geometry();
    const QRect textBox = fontMetrics().boundingRect(
        QRect(0, 0, screen.width() / 2, 0), Qt::TextWordWrap | Qt::TextExpandTabs, message);

    const QIcon icon = iconOf(kind, style());
    int textLeft = horizontalMargin;
    if (!icon.isNull()) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image"));
        image->setPixmap(icon.pixmap(kIconSize, kIconSize));
        image->setGeometry(horizontalMargin, verticalMargin, kIconSize, kIconSize);
        textLeft += kIconSize + horizontalSpacing;
    }
    auto* text = new QLabel(message, this);
    text->setObjectName(QStringLiteral("Message"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setGeometry(textLeft, verticalMargin, textBox.width() + 1, textBox.height());

    int buttonWidth = units.horizontal(50);
    for (const ButtonEntry& entry : kButtonEntries) {
        if (buttons.testFlag(entry.button))
            buttonWidth = std::max(buttonWidth,
                fontMetrics().horizontalAdvance(QString::fromUtf8(entry.caption).remove(u'&')) + 8);
    }
    const int iconTextWidth = textLeft - horizontalMargin + textBox.width();
    const int iconTextHeight = std::max(textBox.height(), icon.isNull() ? 0 : kIconSize);
    const int buttonCount = int(std::count_if(std::begin(kButtonEntries), std::end(kButtonEntries),
        [&](const ButtonEntry& entry) { return buttons.testFlag(entry.button); }));
    const int buttonRowWidth
        = buttonCount * buttonWidth + std::max(buttonCount - 1, 0) * buttonSpacing;
    const int clientWidth = std::max(iconTextWidth, buttonRowWidth) + 2 * horizontalMargin;
    const int clientHeight = iconTextHeight + buttonHeight + verticalSpacing + 2 * verticalMargin;
    setFixedSize(clientWidth, clientHeight);

    int left = (clientWidth - buttonRowWidth) / 2;
    const int top = iconTextHeight + verticalMargin + verticalSpacing;
    for (const ButtonEntry& entry : kButtonEntries) {
        if (!buttons.testFlag(entry.button))
            continue;
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setProperty("result", entry.result);
        button->setAutoDefault(true);
        button->setGeometry(left, top, buttonWidth, buttonHeight);
        left += buttonWidth + buttonSpacing;
        if (entry.button != DialogButton::Help)
            connect(button, &QPushButton::clicked, this,
                [this, result = entry.result] { done(result); });
        m_buttons << button;
    }
    if (QPushButton* defaultButton
        = firstShown(m_buttons, { DialogResult::OK, DialogResult::Yes, DialogResult::Retry }))
        defaultButton->setDefault(true);
    m_cancelButton
        = firstShown(m_buttons, { DialogResult::Cancel, DialogResult::No, DialogResult::OK });
    m_focusButton = m_buttons.value(0);
    move(screen.x() + screen.width() / 2 - clientWidth / 2,
        screen.y() + screen.height() / 2 - clientHeight / 2);
}

QPushButton* MessageDialog::button(int result) const { return firstShown(m_buttons, { result }); }

void MessageDialog::focusButton(int result)
{
    for (QPushButton* button : m_buttons) {
        if (button->property("result").toInt() == result)
            m_focusButton = button;
    }
}

void MessageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_focusButton)
        m_focusButton->setFocus(Qt::OtherFocusReason);
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancelButton)
            m_cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::reject() { done(DialogResult::Cancel); }
