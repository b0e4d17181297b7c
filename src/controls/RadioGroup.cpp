#include "RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(0);
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (const QRadioButton* button : m_buttons)
        texts << button->text();
    return texts;
}

void RadioGroup::setItems(const QStringList& items)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_itemIndex = -1;
    for (const QString& text : items) {
        auto* button = new QRadioButton(text, this);
        const int index = int(m_buttons.size());
        connect(button, &QRadioButton::toggled, this,
            [this, index](bool checked) { buttonToggled(index, checked); });
        layout()->addWidget(button);
        m_buttons << button;
    }
}

QRadioButton* RadioGroup::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

void RadioGroup::setItemIndex(int index)
{
    index = std::clamp(index, -1, int(m_buttons.size()) - 1);
    if (index == m_itemIndex)
        return;
    showIndex(index);
}

void RadioGroup::showIndex(int index)
{
    if (index >= 0) {
        m_buttons[index]->setChecked(true); // notifies through buttonToggled
        return;
    }
    // Exclusive radio buttons never uncheck themselves: lift the rule for a moment.
    QRadioButton* checked = button(m_itemIndex);
    checked->setAutoExclusive(false);
    checked->setChecked(false);
    checked->setAutoExclusive(true);
}

void RadioGroup::buttonToggled(int index, bool checked)
{
    if (checked) {
        m_itemIndex = index;
        emit itemIndexChanged(index);
    } else if (index == m_itemIndex) {
        // Unchecked with no other checked in its place (a newly checked one is already checked
        // here).
        if (std::none_of(m_buttons.begin(), m_buttons.end(),
                [](const QRadioButton* b) { return b->isChecked(); })) {
            m_itemIndex = -1;
            emit itemIndexChanged(-1);
        }
    }
}
