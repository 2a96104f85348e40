#include "reminder/DueCheck.h"

#include <algorithm>

#include "diary/DateText.h"

namespace reminder {
namespace {

constexpr int MinutesPerDay = 24 * 60;

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int DigitPair(QChar tens, QChar ones)
{
    return (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
}

// The minute of the day that a time text "hh:mm" names, read in place. Any
// other text ("9:05", "09.05", "24:00") names none: it never equals a clock text.
std::optional<int> MinuteOfClockText(QStringView time)
{
    if (time.size() != 5 || time[2] != u':' || !IsDigit(time[0]) || !IsDigit(time[1]) || !IsDigit(time[3]) ||
        !IsDigit(time[4]))
        return std::nullopt;
    const int hour = DigitPair(time[0], time[1]);
    const int minute = DigitPair(time[3], time[4]);
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

QString ClockText(int minuteOfDay)
{
    const int hour = minuteOfDay / 60;
    const int minute = minuteOfDay % 60;
    const QChar text[5] = {QChar(u'0' + hour / 10), QChar(u'0' + hour % 10), QChar(u':'), QChar(u'0' + minute / 10),
                           QChar(u'0' + minute % 10)};
    return QString(text, 5);
}

} // namespace

WallMinute WallMinuteOf(const QDateTime &time)
{
    const QTime clock = time.time();
    return time.date().toJulianDay() * MinutesPerDay + clock.hour() * 60 + clock.minute();
}

DueTest::DueTest(std::optional<WallMinute> latestChecked, const QDateTime &now,
                 const std::vector<diary::DiaryRecord> *heldBack)
    : m_minute(WallMinuteOf(now)), m_heldBack(heldBack)
{
    const int minuteOfDay = int(m_minute % MinutesPerDay);
    m_clockText = ClockText(minuteOfDay);
    m_today.dateText = diary::ShortDateText(now.date());

    // The first minute this tick checks. A clock set backwards checks nothing.
    WallMinute first = m_minute;
    if (latestChecked && *latestChecked > m_minute) {
        m_latestChecked = *latestChecked;
        return;
    }
    if (latestChecked && *latestChecked < m_minute)
        first = std::max(*latestChecked + 1, m_minute - LongestLateMinutes);
    m_latestChecked = m_minute;

    const WallMinute todayStart = m_minute - minuteOfDay;
    m_today.firstMinute = int(std::max(first, todayStart) - todayStart);
    m_today.lastMinute = minuteOfDay;
    if (first < todayStart) {
        m_dayBefore.dateText = diary::ShortDateText(now.date().addDays(-1));
        m_dayBefore.firstMinute = int(first - (todayStart - MinutesPerDay));
        m_dayBefore.lastMinute = MinutesPerDay - 1;
    }
}

bool DueTest::isDue(const diary::DiaryRecord &record, QString *lateMark) const
{
    const bool today = m_today.firstMinute <= m_today.lastMinute && record.date == m_today.dateText;
    const bool dayBefore =
        !today && m_dayBefore.firstMinute <= m_dayBefore.lastMinute && record.date == m_dayBefore.dateText;
    if (!today && !dayBefore)
        return false;
    const CheckedDay &day = today ? m_today : m_dayBefore;
    const std::optional<int> minute = MinuteOfClockText(record.time);
    if (!minute || *minute < day.firstMinute || *minute > day.lastMinute || isHeldBack(record))
        return false;
    if (lateMark) {
        if (today && *minute == m_today.lastMinute)
            lateMark->clear();
        else if (today)
            *lateMark = QLatin1Char('[') + record.time + QStringLiteral("] ");
        else
            *lateMark = QLatin1Char('[') + record.date + QLatin1Char(' ') + record.time + QStringLiteral("] ");
    }
    return true;
}

bool DueTest::isHeldBack(const diary::DiaryRecord &record) const
{
    return m_heldBack && std::find(m_heldBack->begin(), m_heldBack->end(), record) != m_heldBack->end();
}

DueTest DueTracker::beginTick(const QDateTime &now)
{
    const WallMinute minute = WallMinuteOf(now);
    if (m_latestChecked && minute > *m_latestChecked)
        m_heldBack.clear();
    DueTest test(m_latestChecked, now, &m_heldBack);
    m_latestChecked = test.latestChecked();
    return test;
}

void DueTracker::holdBack(const diary::DiaryRecord &record)
{
    m_heldBack.push_back(record);
}

} // namespace reminder
