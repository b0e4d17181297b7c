#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

// A framed column of radio buttons with at most one checked; itemIndex is the checked
// one's index, -1 for none.
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);

    int itemIndex() const { return m_itemIndex; }
    // Clamped to -1..count-1. A different index notifies before this returns; the same one does
    // nothing.
    void setItemIndex(int index);

    QRadioButton* button(int index) const;

signals:
    // The checked item changed, by the user or by the program.
    void itemIndexChanged(int index);

private:
    void buttonToggled(int index, bool checked);

    // Its own group: radio buttons would otherwise exclude every other one under the window.
    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
    int m_itemIndex = -1;
};
