#include "reminder/Reminded.h"

#include <iterator>

#include "diary/DateText.h"
#include "reminder/Switches.h"

namespace reminder {

std::optional<diary::DiaryRecord> YearlyCopy(const diary::DiaryRecord &record)
{
    const std::optional<QDate> date = diary::ParseShortDate(record.date);
    if (!date)
        return std::nullopt;
    // QDate::addYears keeps 29 February inside the next year as 28 February.
    diary::DiaryRecord copy = record;
    copy.date = diary::ShortDateText(date->addYears(1));
    copy.reversdate = diary::SortKey(copy.date, copy.time);
    return copy;
}

diary::DiaryRecord TakeReminded(diary::UnvisibleList &list, std::size_t index)
{
    diary::DiaryRecord record = std::move(list[index]);
    list.erase(list.begin() + std::ptrdiff_t(index));
    if (ReadSwitches(record.param_str).yearly) {
        if (std::optional<diary::DiaryRecord> copy = YearlyCopy(record))
            list.push_back(std::move(*copy));
    }
    return record;
}

bool ShouldLaunch(const QString &launchFile)
{
    return !launchFile.isEmpty() && launchFile != diary::NullText;
}

QStringList MessageLines(const QString &msg, const QString &lateMark)
{
    static const QString Separator(64, u'_');
    QStringList lines;
    if (msg != diary::NullText)
        lines << lateMark + msg;
    lines << Separator << QStringLiteral(" ");
    return lines;
}

const QStringList &SoundLines()
{
    static const QStringList lines{QString(), QStringLiteral("!!!Для выключения проигрывания звука нажмите ok!!!"),
                                   QStringLiteral("!!!Press ok button for stop playing!!!")};
    return lines;
}

const QStringList &PowerOffLines()
{
    static const QStringList lines{QString(), QStringLiteral("!!!Идёт подготовка к выключению компьютера!!!"),
                                   QStringLiteral("!!!Windows ShutDown in progress!!!")};
    return lines;
}

} // namespace reminder
