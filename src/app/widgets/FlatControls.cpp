#include "FlatControls.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextCharFormat>

#include "Palette.h"
namespace {

const QColor &DefaultFrame = palette::FrameBlue;

constexpr int SpinButtonWidth = 12;
constexpr int DropButtonWidth = 13;

// The frame rules shared by every kind: a flat one-pixel outline that turns
// to a darker, grooved-looking outline while the control has the focus.
QString FrameRules(const QString &kind, const QColor &color, const QColor &background)
{
    const QString fill =
        background.isValid() ? QStringLiteral(" background-color: %1;").arg(background.name()) : QString();
    return QStringLiteral("%1 { border: 1px solid %2;%3 }"
                          "%1:focus { border: 1px solid %4; }"
                          "%1:disabled { border: 1px solid %5; }")
        .arg(kind, color.name(), fill, color.darker(160).name(), color.lighter(140).name());
}

// A small solid triangle, 7 pixels wide and 4 high, in the middle of `box`.
void DrawArrow(QPainter &painter, const QRect &box, bool up, bool enabled)
{
    const int left = box.left() + (box.width() - 7) / 2;
    const int top = box.top() + (box.height() - 4) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(enabled ? palette::Black : palette::DisabledArrow);
    QPolygon triangle;
    if (up)
        triangle << QPoint(left + 3, top) << QPoint(left + 7, top + 4) << QPoint(left, top + 4);
    else
        triangle << QPoint(left, top) << QPoint(left + 7, top) << QPoint(left + 3, top + 4);
    painter.drawPolygon(triangle);
}

// The button strip at the right inside the one-pixel frame.
QRect ButtonStrip(const QWidget *widget, int width)
{
    return QRect(widget->width() - 1 - width, 1, width, widget->height() - 2);
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
    setStyleSheet(FrameRules(QStringLiteral("QSpinBox"), m_color, QColor()) +
                  QStringLiteral("QSpinBox { padding-right: %1px; }"
                                 "QSpinBox::up-button { subcontrol-origin: border; subcontrol-position: top right;"
                                 " width: %1px; border: none; }"
                                 "QSpinBox::down-button { subcontrol-origin: border; subcontrol-position: bottom right;"
                                 " width: %1px; border: none; }")
                      .arg(SpinButtonWidth));
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

void FlatSpinEdit::paintEvent(QPaintEvent *event)
{
    QSpinBox::paintEvent(event);
    QPainter painter(this);
    const QRect strip = ButtonStrip(this, SpinButtonWidth);
    const int half = strip.height() / 2;
    const QRect up(strip.left(), strip.top(), strip.width(), half);
    const QRect down(strip.left(), strip.top() + half, strip.width(), strip.height() - half);
    const StepEnabled steps = stepEnabled();
    DrawArrow(painter, up, true, isEnabled() && (steps & StepUpEnabled));
    DrawArrow(painter, down, false, isEnabled() && (steps & StepDownEnabled));
}

// DatePicker ----------------------------------------------------------------

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent), m_color(DefaultFrame)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy - "));
    // Typing changes the date only when it is finished.
    setKeyboardTracking(false);
    QCalendarWidget *calendar = calendarWidget();
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->installEventFilter(this);
    connect(this, &QAbstractSpinBox::editingFinished, this, &DatePicker::settle);
    m_settled = date();
    applyStyle();
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
    m_settled = this->date();
}

void DatePicker::setTodaySource(std::function<QDate()> today)
{
    m_today = std::move(today);
    markToday();
}

void DatePicker::stepBy(int steps)
{
    QDateEdit::stepBy(steps);
    settle();
}

void DatePicker::settle()
{
    if (date() == m_settled)
        return;
    m_settled = date();
    emit userDateChanged(m_settled);
}

void DatePicker::applyStyle()
{
    setStyleSheet(FrameRules(QStringLiteral("QDateEdit"), m_color, m_background) +
                  QStringLiteral("QDateEdit { padding: 0px 1px; }"
                                 "QDateEdit::drop-down { subcontrol-origin: border; subcontrol-position: top right;"
                                 " width: %1px; border: none; }")
                      .arg(DropButtonWidth));
    // The calendar: its own background, a black title bar with white text.
    const QString calendarFill = m_background.isValid() ? m_background.name() : QStringLiteral("white");
    calendarWidget()->setStyleSheet(
        QStringLiteral("QCalendarWidget QAbstractItemView { background-color: %1; color: black;"
                       " selection-background-color: %2; selection-color: white; }"
                       "QCalendarWidget QWidget#qt_calendar_navigationbar { background-color: black; }"
                       "QCalendarWidget QToolButton { color: white; background-color: black; border: none;"
                       " padding: 1px 4px; }"
                       "QCalendarWidget QToolButton::menu-indicator { image: none; }"
                       "QCalendarWidget QSpinBox { color: black; background-color: white; }")
            .arg(calendarFill, palette::FrameBlue.name()));
}

void DatePicker::markToday()
{
    const QDate today = m_today ? m_today() : QDate();
    if (today == m_markedToday)
        return;
    QCalendarWidget *calendar = calendarWidget();
    if (m_markedToday.isValid())
        calendar->setDateTextFormat(m_markedToday, QTextCharFormat());
    if (today.isValid()) {
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        bold.setFontUnderline(true);
        calendar->setDateTextFormat(today, bold);
    }
    m_markedToday = today;
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == calendarWidget()) {
        // The "today" mark follows the clock: it is set afresh each time the
        // calendar opens. Closing it ends the user's choice: a day picked,
        // or one reached with the keys (Escape has put the old one back).
        if (event->type() == QEvent::Show)
            markToday();
        else if (event->type() == QEvent::Hide)
            settle();
    }
    return QDateEdit::eventFilter(watched, event);
}

void DatePicker::paintEvent(QPaintEvent *event)
{
    QDateEdit::paintEvent(event);
    QPainter painter(this);
    DrawArrow(painter, ButtonStrip(this, DropButtonWidth), false, isEnabled());
}

// LineComboBox --------------------------------------------------------------

LineComboBox::LineComboBox(QWidget *parent) : QComboBox(parent), m_color(DefaultFrame), m_background(palette::White)
{
    setEditable(false);
    // A plain list delegate: rows as high as the style sheet says.
    setItemDelegate(new QStyledItemDelegate(this));
    applyStyle();
}

void LineComboBox::setBackgroundColor(const QColor &color)
{
    m_background = color;
    applyStyle();
}

void LineComboBox::setFrameColor(const QColor &color)
{
    m_color = color;
    applyStyle();
}

void LineComboBox::applyStyle()
{
    setStyleSheet(
        FrameRules(QStringLiteral("QComboBox"), m_color, m_background) +
        QStringLiteral("QComboBox { color: black; padding: 0px 2px; combobox-popup: 0; }"
                       "QComboBox::drop-down { subcontrol-origin: border; subcontrol-position: top right;"
                       " width: %1px; border: none; }"
                       "QComboBox QAbstractItemView { background-color: %2; color: black; border: 1px solid %3;"
                       " selection-background-color: %3; selection-color: white; outline: none; }"
                       "QComboBox QAbstractItemView::item { height: 15px; }")
            .arg(DropButtonWidth)
            .arg(m_background.name(), m_color.name()));
}

void LineComboBox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    QPainter painter(this);
    DrawArrow(painter, ButtonStrip(this, DropButtonWidth), false, isEnabled());
}
