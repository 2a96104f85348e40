#include "FlatControls.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QTextCharFormat>

namespace {

const QColor DefaultFrame(0x00, 0x80, 0xC0);

// The frame rules shared by the three kinds: a flat one-pixel outline that
// turns to a darker, grooved-looking outline while the control has the focus.
QString FrameRules(const QString &kind, const QColor &color, const QColor &background)
{
    const QString fill =
        background.isValid() ? QStringLiteral(" background-color: %1;").arg(background.name()) : QString();
    return QStringLiteral("%1 { border: 1px solid %2;%3 }"
                          "%1:focus { border: 1px solid %4; }"
                          "%1:disabled { border: 1px solid %5; }")
        .arg(kind, color.name(), fill, color.darker(160).name(), color.lighter(140).name());
}

} // namespace

// FlatEdit ------------------------------------------------------------------

FlatEdit::FlatEdit(QWidget *parent) : QLineEdit(parent), m_color(DefaultFrame)
{
    setFrameColor(m_color);
}

void FlatEdit::setFrameColor(const QColor &color)
{
    m_color = color;
    setStyleSheet(FrameRules(QStringLiteral("QLineEdit"), m_color, QColor()) +
                  QStringLiteral("QLineEdit { padding: 0px 1px; }"));
}

// FlatSpinEdit --------------------------------------------------------------

FlatSpinEdit::FlatSpinEdit(QWidget *parent) : QSpinBox(parent), m_color(DefaultFrame)
{
    setFrameColor(m_color);
}

void FlatSpinEdit::setFrameColor(const QColor &color)
{
    m_color = color;
    // Up and down buttons 12 pixels wide, flat, inside the frame.
    setStyleSheet(FrameRules(QStringLiteral("QSpinBox"), m_color, QColor()) +
                  QStringLiteral("QSpinBox { padding-right: 12px; }"
                                 "QSpinBox::up-button { subcontrol-origin: border; subcontrol-position: top right;"
                                 " width: 12px; border: none; }"
                                 "QSpinBox::down-button { subcontrol-origin: border; subcontrol-position: bottom right;"
                                 " width: 12px; border: none; }"
                                 "QSpinBox::up-arrow { width: 7px; height: 4px; }"
                                 "QSpinBox::down-arrow { width: 7px; height: 4px; }"));
}

void FlatSpinEdit::keyPressEvent(QKeyEvent *event)
{
    // Enter moves on to the next control, as Tab does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

// DatePicker ----------------------------------------------------------------

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent), m_color(DefaultFrame)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy - "));
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    QCalendarWidget *calendar = calendarWidget();
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->installEventFilter(this);
    applyStyle();
    markToday();
}

void DatePicker::setFrameColor(const QColor &color)
{
    m_color = color;
    applyStyle();
}

void DatePicker::setBackgroundColor(const QColor &color)
{
    m_background = color;
    applyStyle();
}

void DatePicker::setWeekNumbersShown(bool shown)
{
    calendarWidget()->setVerticalHeaderFormat(shown ? QCalendarWidget::ISOWeekNumbers
                                                    : QCalendarWidget::NoVerticalHeader);
}

bool DatePicker::weekNumbersShown() const
{
    return calendarWidget()->verticalHeaderFormat() == QCalendarWidget::ISOWeekNumbers;
}

void DatePicker::setDateSilently(const QDate &date)
{
    const QSignalBlocker blocker(this);
    setDate(date);
}

void DatePicker::applyStyle()
{
    setStyleSheet(FrameRules(QStringLiteral("QDateEdit"), m_color, m_background) +
                  QStringLiteral("QDateEdit { padding: 0px 1px; }"
                                 "QDateEdit::drop-down { subcontrol-origin: border; subcontrol-position: top right;"
                                 " width: 13px; border: none; }"
                                 "QDateEdit::down-arrow { width: 7px; height: 4px; }"));
    // The calendar: its own background, a black title bar with white text.
    const QString calendarFill = m_background.isValid() ? m_background.name() : QStringLiteral("white");
    calendarWidget()->setStyleSheet(
        QStringLiteral("QCalendarWidget QAbstractItemView { background-color: %1; color: black;"
                       " selection-background-color: #0080C0; selection-color: white; }"
                       "QCalendarWidget QWidget#qt_calendar_navigationbar { background-color: black; }"
                       "QCalendarWidget QToolButton { color: white; background-color: black; border: none; }"
                       "QCalendarWidget QToolButton::menu-indicator { image: none; }"
                       "QCalendarWidget QSpinBox { color: black; background-color: white; }")
            .arg(calendarFill));
}

void DatePicker::markToday()
{
    const QDate today = QDate::currentDate();
    if (today == m_markedToday)
        return;
    QCalendarWidget *calendar = calendarWidget();
    if (m_markedToday.isValid())
        calendar->setDateTextFormat(m_markedToday, QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontUnderline(true);
    calendar->setDateTextFormat(today, bold);
    m_markedToday = today;
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    // The "today" mark follows the clock: refresh it each time the calendar opens.
    if (watched == calendarWidget() && event->type() == QEvent::Show)
        markToday();
    return QDateEdit::eventFilter(watched, event);
}
