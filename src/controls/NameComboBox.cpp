#include "NameComboBox.h"

#include <QCollator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kItemHeight = 16;

class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return { QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight };
    }
};

QCollator& alphabetical()
{
    static QCollator collator = [] {
        QCollator french(QLocale(QLocale::French, QLocale::France));
        french.setCaseSensitivity(Qt::CaseInsensitive);
        return french;
    }();
    return collator;
}

} // namespace

NameComboBox::NameComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setItemDelegate(new FixedHeightDelegate(this));
    lineEdit()->installEventFilter(this);
    // Becoming editable polished the box before it had a name; style sheets that name it
    // apply only when it is polished again.
    connect(this, &QObject::objectNameChanged, this, [this] {
        for (QWidget* widget : { static_cast<QWidget*>(this), static_cast<QWidget*>(lineEdit()) }) {
            widget->style()->unpolish(widget);
            widget->style()->polish(widget);
        }
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, &NameComboBox::nameChangedByUser);
    connect(this, &QComboBox::activated, this, &NameComboBox::nameChangedByUser);
}

QString NameComboBox::nameText() const { return lineEdit()->text(); }

void NameComboBox::setNameText(const QString& text)
{
    // The entry spelt exactly like the text becomes the current one, so that the arrow keys
    // move on from it.
    int current = -1;
    for (int index = 0; index < count() && current < 0; ++index) {
        if (itemText(index) == text)
            current = index;
    }
    setCurrentIndex(current);
    lineEdit()->setText(text);
}

void NameComboBox::addName(const QString& name)
{
    const QString text = nameText();
    int position = 0;
    while (position < count() && alphabetical().compare(itemText(position), name) <= 0)
        ++position;
    insertItem(position, name);
    setNameText(text);
}

void NameComboBox::removeName(const QString& name)
{
    const QString text = nameText();
    for (int index = 0; index < count(); ++index) {
        if (itemText(index) == name) {
            removeItem(index);
            break;
        }
    }
    setNameText(text);
}

QStringList NameComboBox::names() const
{
    QStringList result;
    for (int index = 0; index < count(); ++index)
        result << itemText(index);
    return result;
}

bool NameComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in an editable combo box selects the entry matching the text without regard to
    // case, and shows that entry's spelling: "martin" would become "Martin".
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QComboBox::eventFilter(watched, event);
}
