#include "diary/DateText.h"

#include <algorithm>

// Every refresh turns each record's date text into a key, and a diary may hold
// 100,000 records, so dates are read and written by hand rather than through
// QDate::fromString/toString, which parse the format string on every call.
namespace diary {
namespace {

void AppendTwoDigits(QChar *&out, int value)
{
    *out++ = QChar(u'0' + value / 10);
    *out++ = QChar(u'0' + value % 10);
}

void AppendFourDigits(QChar *&out, int value)
{
    AppendTwoDigits(out, value / 100);
    AppendTwoDigits(out, value % 100);
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a run of digits of length minDigits..maxDigits at `pos` into `value`.
bool ReadNumber(QStringView text, qsizetype &pos, int minDigits, int maxDigits, int &value)
{
    const qsizetype start = pos;
    value = 0;
    while (pos < text.size() && pos - start < maxDigits && IsDigit(text[pos]))
        value = value * 10 + (text[pos++].unicode() - u'0');
    return pos - start >= minDigits && (pos == text.size() || !IsDigit(text[pos]));
}

bool ReadDot(QStringView text, qsizetype &pos)
{
    if (pos >= text.size() || text[pos] != u'.')
        return false;
    ++pos;
    return true;
}

struct DayMonthYear {
    int day = 0;
    int month = 0;
    int year = 0;
};

// The parts of a date text, checked against the calendar. Keys are built
// from these numbers directly: asking a QDate for its year, month and day
// converts its day number three times.
std::optional<DayMonthYear> ReadDate(QStringView text)
{
    qsizetype pos = 0;
    DayMonthYear parts;
    if (!ReadNumber(text, pos, 1, 2, parts.day) || !ReadDot(text, pos) || !ReadNumber(text, pos, 1, 2, parts.month) ||
        !ReadDot(text, pos) || !ReadNumber(text, pos, 4, 4, parts.year) || pos != text.size())
        return std::nullopt;
    if (!QDate::isValid(parts.year, parts.month, parts.day))
        return std::nullopt;
    return parts;
}

} // namespace

QString ShortDateText(QDate date)
{
    if (!date.isValid())
        return {};
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    // Years outside four digits do not occur in a diary; let Qt spell them.
    if (year < 1 || year > 9999)
        return date.toString(ShortDateFormat);
    QString text(10, Qt::Uninitialized);
    QChar *out = text.data();
    AppendTwoDigits(out, day);
    *out++ = u'.';
    AppendTwoDigits(out, month);
    *out++ = u'.';
    AppendFourDigits(out, year);
    return text;
}

std::optional<QDate> ParseShortDate(QStringView text)
{
    const std::optional<DayMonthYear> parts = ReadDate(text);
    if (!parts)
        return std::nullopt;
    return QDate(parts->year, parts->month, parts->day);
}

QString ReversDateStr(QStringView dateText)
{
    return SortKey(dateText, {});
}

QString SortKey(QStringView dateText, QStringView time)
{
    const std::optional<DayMonthYear> date = ReadDate(dateText);
    if (!date)
        return {};
    // The year has no leading zeros: 1..9999 gives one to four digits.
    const int year = date->year;
    const int yearDigits = year >= 1000 ? 4 : year >= 100 ? 3 : year >= 10 ? 2 : 1;
    // One allocation for the whole key: this runs for every record of every refresh.
    QString key(yearDigits + 6 + time.size(), Qt::Uninitialized);
    QChar *out = key.data() + yearDigits;
    for (int rest = year; out != key.data(); rest /= 10)
        *--out = QChar(u'0' + rest % 10);
    out += yearDigits;
    *out++ = u'.';
    AppendTwoDigits(out, date->month);
    *out++ = u'.';
    AppendTwoDigits(out, date->day);
    std::copy(time.begin(), time.end(), out);
    return key;
}

bool IsSortKey(QStringView key, QStringView dateText, QStringView time)
{
    const std::optional<DayMonthYear> date = ReadDate(dateText);
    if (!date)
        return false;
    const int year = date->year;
    const int yearDigits = year >= 1000 ? 4 : year >= 100 ? 3 : year >= 10 ? 2 : 1;
    if (key.size() != yearDigits + 6 + time.size())
        return false;
    int rest = year;
    for (int i = yearDigits - 1; i >= 0; --i, rest /= 10)
        if (key[i] != QChar(u'0' + rest % 10))
            return false;
    const QStringView tail = key.mid(yearDigits);
    return tail[0] == u'.' && tail[1] == QChar(u'0' + date->month / 10) && tail[2] == QChar(u'0' + date->month % 10) &&
           tail[3] == u'.' && tail[4] == QChar(u'0' + date->day / 10) && tail[5] == QChar(u'0' + date->day % 10) &&
           tail.mid(6) == time;
}

} // namespace diary
