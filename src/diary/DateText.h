#pragma once

#include <optional>

#include <QDate>
#include <QString>

// Dates are kept and compared as text in the short date format "dd.MM.yyyy".
namespace diary {

inline const QString ShortDateFormat = QStringLiteral("dd.MM.yyyy");

// "03.02.2004" for 3 February 2004.
QString ShortDateText(QDate date);

// Reads a date in the short date format: day and month of one or two digits,
// a four-digit year, dots between. Anything else, or a day that does not exist,
// gives nothing.
std::optional<QDate> ParseShortDate(QStringView text);

// The date part of the sort key: "2004.02.03" for "03.02.2004"; the year without
// leading zeros, month and day with two digits. Empty when the text is not a date.
QString ReversDateStr(QStringView dateText);

// The record's sort key "2004.02.0309:05": ReversDateStr of the date followed
// directly by the time. Empty when the date is not a date.
QString SortKey(QStringView dateText, QStringView time);

// True when `key` is exactly SortKey(dateText, time). Checked without
// building the key, so a refresh can keep the key the read already made.
bool IsSortKey(QStringView key, QStringView dateText, QStringView time);

} // namespace diary
