#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent)
    , m_group(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(0);
    connect(m_group, &QButtonGroup::idToggled, this, &RadioGroup::buttonToggled);
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
        m_group->addButton(button, int(m_buttons.size()));
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
    if (index >= 0) {
        m_buttons[index]->setChecked(true); // notifies through buttonToggled
        return;
    }
    // An exclusive group never unchecks its last button: lift the rule for a moment.
    m_group->setExclusive(false);
    m_buttons[m_itemIndex]->setChecked(false);
    m_group->setExclusive(true);
}

void RadioGroup::buttonToggled(int index, bool checked)
{
    if (checked) {
        m_itemIndex = index;
        emit itemIndexChanged(index);
    } else if (index == m_itemIndex && !m_group->checkedButton()) {
        // Unchecked with no other checked in its place (a newly checked one is already checked
        // here).
        m_itemIndex = -1;
        emit itemIndexChanged(-1);
    }
}
