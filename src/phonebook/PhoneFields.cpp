#include "phonebook/PhoneFields.h"

namespace phonebook {

bool FitsMaskPlace(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u' ';
}

QString EmptyMaskText(QStringView mask)
{
    return MaskTextForTyped(mask, {});
}

QString MaskTextForTyped(QStringView mask, QStringView typed)
{
    QString shown;
    shown.reserve(mask.size());
    qsizetype next = 0; // the next typed character not yet looked at
    for (const QChar m : mask) {
        if (m != MaskPlace) {
            shown += m;
            continue;
        }
        while (next < typed.size() && !FitsMaskPlace(typed[next]))
            ++next;
        shown += next < typed.size() ? typed[next++] : UnfilledPlace;
    }
    return shown;
}

QString JoinPhones(QStringView home, QStringView work, QStringView mobile)
{
    QString phones;
    phones.reserve(home.size() + work.size() + mobile.size() + 2 * PhoneSeparator.size());
    phones += home;
    phones += PhoneSeparator;
    phones += work;
    phones += PhoneSeparator;
    phones += mobile;
    return phones;
}

} // namespace phonebook
