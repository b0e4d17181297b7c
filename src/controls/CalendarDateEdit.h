#pragma once

#include "DigitFieldEdit.h"
#include "conventions/Calendar.h"
#include "conventions/DateConventions.h"
#include "conventions/DateField.h"

#include <functional>
#include <optional>

class QCalendarWidget;
class QToolButton;

// A date field with a button at its right end that drops down a month calendar. The window
// hands it its rules: the layout of its parts, from the short date pattern of the user's
// locale, the delimiter and the two-digit-year window, and where today is. Every position is
// optional and a blank shows and reads as a space. Keypad + and - move to the next and
// previous day, T sets today.
class CalendarDateEdit : public DigitFieldEdit {
    Q_OBJECT
    Q_PROPERTY(QString dateText READ dateText WRITE setDateText NOTIFY dateTextChanged)
public:
    explicit CalendarDateEdit(QWidget* parent = nullptr);

    // The field becomes empty, laid out by the shape.
    void setDateRules(const DateFieldShape& shape, QChar delimiter, std::uint16_t yearWindow);
    // Today's date; without one, the system's.
    void setToday(std::function<DateValue()> today);

    // Writes a text fitted part by part; dateTextChanged follows when the text differs.
    void setDateText(const QString& text);
    // The date the field names, when it names one.
    std::optional<DateValue> date() const;
    // Writes the date in the field's own pattern.
    void setDate(DateValue date);

    QToolButton* calendarButton() const { return m_button; }
    // Drops the calendar down, on the field's date or else today.
    void showCalendar();
    QCalendarWidget* calendar();

signals:
    void dateTextChanged(const QString& text);

protected:
    bool handleOwnKey(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void reportIfChanged();
    void moveBy(int days);
    void chooseCalendarDate();
    DateValue today() const;

    DateConventions ownConventions() const;

    DateFieldShape m_shape;
    std::uint16_t m_yearWindow = 50;
    std::function<DateValue()> m_today;
    QString m_lastText;
    QToolButton* m_button;
    QWidget* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
};
