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
    // After every entry that sorts at or before it, so that equal names keep their order.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (alphabetical().compare(itemText(middle), name) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    insertItem(low, name);
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
