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
    DialogResult result;
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

QPushButton* firstShown(
    const QList<QPushButton*>& buttons, std::initializer_list<DialogResult> results)
{
    for (const DialogResult result : results) {
        for (QPushButton* button : buttons) {
            if (button->property("result").toInt() == int(result))
                return button;
        }
    }
    return nullptr;
}

constexpr int kIconSize = 32;

int buttonCount(DialogButtons buttons)
{
    return int(std::count_if(std::begin(kButtonEntries), std::end(kButtonEntries),
        [&](const ButtonEntry& entry) { return buttons.testFlag(entry.button); }));
}

} // namespace

// Where everything goes, in pixels of the dialog's font.
struct MessageDialog::Layout {
    int horizontalMargin;
    int verticalMargin;
    int horizontalSpacing;
    int verticalSpacing;
    int buttonHeight;
    int buttonSpacing;
    int buttonWidth;
    int textLeft;
    QRect textBox;
    int clientWidth;
    int clientHeight;
    int buttonRowWidth;
    int buttonTop;
};

MessageDialog::MessageDialog(QWidget* parent, const MessageRequest& request)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
{
    setWindowTitle(captionOf(request.kind));
    setResult(int(DialogResult::Cancel));
    setProperty("helpContext", request.helpContext);
    const Layout layout = measure(request);
    setFixedSize(layout.clientWidth, layout.clientHeight);
    addIconAndText(layout, request);
    addButtons(layout, request.buttons);
    CentreOnScreen(*this);
}

std::unique_ptr<MessageDialog> MessageDialog::ForAsk(
    QWidget* parent, const MessageRequest& request, DialogResult focus, int x, int y)
{
    auto dialog = std::make_unique<MessageDialog>(parent, request);
    if (x >= 0)
        dialog->move(x, dialog->y());
    if (y >= 0)
        dialog->move(dialog->x(), y);
    dialog->focusButton(focus);
    return dialog;
}

MessageDialog::Layout MessageDialog::measure(const MessageRequest& request) const
{
    const DialogUnits units(fontMetrics());
    Layout layout {};
    layout.horizontalMargin = units.horizontal(8);
    layout.verticalMargin = units.vertical(8);
    layout.horizontalSpacing = units.horizontal(10);
    layout.verticalSpacing = units.vertical(10);
    layout.buttonHeight = units.vertical(14);
    layout.buttonSpacing = units.horizontal(4);

    // The text wraps within half the screen's width.
    layout.textBox = fontMetrics().boundingRect(QRect(0, 0, ScreenOf(*this).width() / 2, 0),
        Qt::TextWordWrap | Qt::TextExpandTabs, request.message);
    const bool icon = !iconOf(request.kind, style()).isNull();
    layout.textLeft = layout.horizontalMargin + (icon ? kIconSize + layout.horizontalSpacing : 0);

    layout.buttonWidth = units.horizontal(50);
    for (const ButtonEntry& entry : kButtonEntries) {
        if (request.buttons.testFlag(entry.button))
            layout.buttonWidth = std::max(layout.buttonWidth,
                fontMetrics().horizontalAdvance(QString::fromUtf8(entry.caption).remove(u'&')) + 8);
    }
    const int count = buttonCount(request.buttons);
    layout.buttonRowWidth
        = count * layout.buttonWidth + std::max(count - 1, 0) * layout.buttonSpacing;
    const int iconTextWidth = layout.textLeft - layout.horizontalMargin + layout.textBox.width();
    const int iconTextHeight = std::max(layout.textBox.height(), icon ? kIconSize : 0);
    layout.clientWidth
        = std::max(iconTextWidth, layout.buttonRowWidth) + 2 * layout.horizontalMargin;
    layout.clientHeight
        = iconTextHeight + layout.buttonHeight + layout.verticalSpacing + 2 * layout.verticalMargin;
    layout.buttonTop = iconTextHeight + layout.verticalMargin + layout.verticalSpacing;
    return layout;
}

void MessageDialog::addIconAndText(const Layout& layout, const MessageRequest& request)
{
    const QIcon icon = iconOf(request.kind, style());
    if (!icon.isNull()) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image"));
        image->setPixmap(icon.pixmap(kIconSize, kIconSize));
        image->setGeometry(layout.horizontalMargin, layout.verticalMargin, kIconSize, kIconSize);
    }
    auto* text = new QLabel(request.message, this);
    text->setObjectName(QStringLiteral("Message"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setGeometry(layout.textLeft, layout.verticalMargin, layout.textBox.width() + 1,
        layout.textBox.height());
}

// In the table's order, centred as a row under the text.
void MessageDialog::addButtons(const Layout& layout, DialogButtons buttons)
{
    int left = (layout.clientWidth - layout.buttonRowWidth) / 2;
    for (const ButtonEntry& entry : kButtonEntries) {
        if (!buttons.testFlag(entry.button))
            continue;
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setProperty("result", int(entry.result));
        button->setAutoDefault(true);
        button->setGeometry(left, layout.buttonTop, layout.buttonWidth, layout.buttonHeight);
        left += layout.buttonWidth + layout.buttonSpacing;
        if (entry.button != DialogButton::Help)
            connect(button, &QPushButton::clicked, this,
                [this, result = entry.result] { done(int(result)); });
        m_buttons << button;
    }
    if (QPushButton* defaultButton
        = firstShown(m_buttons, { DialogResult::OK, DialogResult::Yes, DialogResult::Retry }))
        defaultButton->setDefault(true);
    m_cancelButton
        = firstShown(m_buttons, { DialogResult::Cancel, DialogResult::No, DialogResult::OK });
    m_focusButton = m_buttons.value(0);
}

QPushButton* MessageDialog::button(DialogResult result) const
{
    return firstShown(m_buttons, { result });
}

// The last button answering it wins, as in the table's order.
void MessageDialog::focusButton(DialogResult result)
{
    for (QPushButton* button : m_buttons) {
        if (button->property("result").toInt() == int(result))
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

void MessageDialog::reject() { done(int(DialogResult::Cancel)); }
