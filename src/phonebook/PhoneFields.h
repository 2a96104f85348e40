#pragma once

#include <QString>
#include <QStringView>

// The three phone fields of an entry: masked edits whose text always has the
// full length of the mask. In a mask every '8' is a place for one digit or a
// blank and any other character is a fixed one shown as it is; an unfilled
// place shows '_'. The phones text stores the fields exactly as shown.
namespace phonebook {

inline constexpr QChar MaskPlace = u'8';
inline constexpr QChar UnfilledPlace = u'_';

inline const QString HomeMask = QStringLiteral("88-88-88");
inline const QString WorkMask = QStringLiteral("88-88-88");
inline const QString MobileMask = QStringLiteral("8-888-8888-888");

// Between the home and work fields and between the work and mobile fields:
// blank, slash, blank, blank.
inline const QString PhoneSeparator = QStringLiteral(" /  ");

// True for what a place takes: an ASCII digit or a blank.
bool FitsMaskPlace(QChar c);

// The text of a mask edit with no place filled: "__-__-__" for the home mask.
QString EmptyMaskText(QStringView mask);

// The text a mask edit shows after `typed` was typed into it from its first
// place: each digit or blank fills the next place, any other character is
// refused, and what comes after the last place is refused too. Places left
// over show '_'.
QString MaskTextForTyped(QStringView mask, QStringView typed);

// The phones text of an entry: home, " /  ", work, " /  ", mobile.
QString JoinPhones(QStringView home, QStringView work, QStringView mobile);

} // namespace phonebook
