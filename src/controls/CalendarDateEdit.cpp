#include "CalendarDateEdit.h"

#include "conventions/DateText.h"
#include "conventions/Errors.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QScreen>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 20;

} // namespace

CalendarDateEdit::CalendarDateEdit(QWidget* parent)
    : DigitFieldEdit(DateFieldShape {}.partLengths, u' ', parent)
    , m_lastText(dateText())
    , m_button(new QToolButton(this))
{
    m_button->setObjectName(QStringLiteral("calendarButton"));
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setCheckable(true); // pressed while the calendar is down
    setTextMargins(0, 0, kButtonWidth, 0);
    connect(m_button, &QToolButton::clicked, this, &CalendarDateEdit::showCalendar);
    connect(this, &DigitFieldEdit::editedByUser, this, &CalendarDateEdit::reportIfChanged);
}

// Built when it first drops down: most runs never open it, and it costs a good part of the
// window's start.
QCalendarWidget* CalendarDateEdit::calendar()
{
    if (m_calendar)
        return m_calendar;
    m_popup = new QWidget(this, Qt::Popup);
    m_calendar = new QCalendarWidget(m_popup);
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(true);
    QTextCharFormat weekday;
    weekday.setForeground(palette().color(QPalette::Text));
    m_calendar->setWeekdayTextFormat(Qt::Saturday, weekday);
    QTextCharFormat sunday;
    sunday.setForeground(Qt::red);
    m_calendar->setWeekdayTextFormat(Qt::Sunday, sunday);
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QCalendarWidget::clicked, this, &CalendarDateEdit::chooseCalendarDate);
    connect(m_calendar, &QCalendarWidget::activated, this, &CalendarDateEdit::chooseCalendarDate);
    m_calendar->installEventFilter(this);
    for (QWidget* child : m_calendar->findChildren<QWidget*>())
        child->installEventFilter(this);
    m_popup->installEventFilter(this);
    return m_calendar;
}

void CalendarDateEdit::resizeEvent(QResizeEvent* event)
{
    DigitFieldEdit::resizeEvent(event);
    m_button->setGeometry(width() - kButtonWidth, 0, kButtonWidth, height());
}

void CalendarDateEdit::setDateText(const QString& text)
{
    writeText(text);
    reportIfChanged();
}

void CalendarDateEdit::reportIfChanged()
{
    const QString text = dateText();
    if (text == m_lastText)
        return;
    m_lastText = text;
    emit dateTextChanged(text);
}

void CalendarDateEdit::setDateRules(
    const DateFieldShape& shape, QChar delimiter, std::uint16_t yearWindow)
{
    m_shape = shape;
    m_yearWindow = yearWindow;
    setDelimiter(delimiter);
    setPartLengths(shape.partLengths);
    m_lastText = dateText();
}

void CalendarDateEdit::setToday(std::function<DateValue()> today) { m_today = std::move(today); }

DateValue CalendarDateEdit::today() const
{
    return m_today ? m_today() : *DateValueOf(QDate::currentDate());
}

DateConventions CalendarDateEdit::ownConventions() const
{
    DateConventions own;
    own.DatePattern = m_shape.pattern;
    own.DateDelimiter = delimiter();
    own.YearWindow = m_yearWindow;
    return own;
}

std::optional<DateValue> CalendarDateEdit::date() const
{
    try {
        return ParseDateText(dateText(), ownConventions(), DecodeDateParts(today()).year);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

void CalendarDateEdit::setDate(DateValue value)
{
    setDateText(FormatDateText(value, ownConventions()));
}

void CalendarDateEdit::moveBy(int days) { setDate(date().value_or(today()) + days); }

void CalendarDateEdit::showCalendar()
{
    calendar()->setSelectedDate(CivilDateOf(date().value_or(today())));
    m_popup->adjustSize();
    // Under the field, kept on the screen.
    QPoint position = mapToGlobal(rect().bottomLeft());
    const QRect available = screen()->availableGeometry();
    position.setX(std::clamp(position.x(), available.left(),
        std::max(available.left(), available.right() - m_popup->width())));
    if (position.y() + m_popup->height() > available.bottom())
        position.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
    m_popup->move(position);
    m_button->setChecked(true);
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void CalendarDateEdit::chooseCalendarDate()
{
    m_popup->hide();
    // A day the calendar offers beyond year 9999 leaves the field as it was.
    if (const std::optional<DateValue> chosen = DateValueOf(m_calendar->selectedDate()))
        setDate(*chosen);
}

bool CalendarDateEdit::handleOwnKey(QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->modifiers() & Qt::KeypadModifier) && modifiers == Qt::NoModifier
        && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus)) {
        moveBy(event->key() == Qt::Key_Plus ? 1 : -1);
        return true;
    }
    if (event->key() == Qt::Key_T
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        setDate(today());
        return true;
    }
    if ((event->key() == Qt::Key_Down && modifiers == Qt::AltModifier)
        || event->key() == Qt::Key_F4) {
        showCalendar();
        return true;
    }
    return false;
}

bool CalendarDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popup && event->type() == QEvent::Hide)
        m_button->setChecked(false);
    if (event->type() != QEvent::KeyPress || !m_popup || !m_popup->isVisible())
        return DigitFieldEdit::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int months = key->modifiers() & Qt::ControlModifier ? 12 : 1;
    switch (key->key()) {
    case Qt::Key_PageUp:
        m_calendar->setSelectedDate(m_calendar->selectedDate().addMonths(-months));
        return true;
    case Qt::Key_PageDown:
        m_calendar->setSelectedDate(m_calendar->selectedDate().addMonths(months));
        return true;
    case Qt::Key_Escape:
        m_popup->hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseCalendarDate();
        return true;
    default:
        return DigitFieldEdit::eventFilter(watched, event);
    }
}
