#include "diary/RecordList.h"

#include <utility>

#include "codec/ListOrder.h"
#include "diary/DateText.h"

namespace diary {
namespace {

VisibleRow RowOf(const DiaryRecord &record, int index)
{
    return VisibleRow{record.date,      record.time,       record.msg, record.launch_file,
                      record.param_str, record.reversdate, index};
}

// Filtered rows get a fresh key; only "all" shows the key as the read left it.
// A key the read made for the same date and time is that fresh key already,
// and sharing it spares an allocation per row on a large diary.
VisibleRow FilteredRowOf(const DiaryRecord &record, int index)
{
    VisibleRow row = RowOf(record, index);
    if (!IsSortKey(record.reversdate, record.date, record.time))
        row.reversdate = SortKey(record.date, record.time);
    return row;
}

} // namespace

FilterSetup SetupFilter(int filterIndex, QDate today, QDate pickerDate, const FilterSetup &previous)
{
    FilterSetup setup;
    setup.pickerDate = pickerDate;
    switch (filterIndex) {
    case FilterToday:
        setup.pickerDate = today;
        break;
    case FilterTomorrow:
        setup.pickerDate = today.addDays(1);
        break;
    case FilterPast:
        setup.state.pastMode = true;
        setup.sortByDateEnabled = true;
        break;
    case FilterByDate:
        setup.pickerEnabled = true;
        break;
    case FilterAll:
        setup.state.showAllMode = true;
        setup.sortByDateEnabled = true;
        break;
    default:
        // No entry selected: the last filter still applies and the picker
        // keeps whatever date it shows now.
        setup = previous;
        setup.pickerDate = pickerDate;
        break;
    }
    return setup;
}

std::vector<VisibleRow> BuildVisibleRows(const UnvisibleList &records, bool diaryEmpty, const FilterState &state,
                                         QDate pickerDate, QDate today, QStringList *badDates)
{
    std::vector<VisibleRow> rows;
    if (diaryEmpty)
        return rows;

    if (state.showAllMode) {
        rows.reserve(records.size());
        for (size_t i = 0; i < records.size(); ++i)
            rows.push_back(RowOf(records[i], int(i)));
        return rows;
    }

    // Computed once: comparing texts is what the one-day views do.
    const QString pickerText = state.pastMode ? QString() : ShortDateText(pickerDate);
    for (size_t i = 0; i < records.size(); ++i) {
        const DiaryRecord &record = records[i];
        bool shown = false;
        if (state.pastMode) {
            const std::optional<QDate> date = ParseShortDate(record.date);
            if (!date && badDates)
                badDates->append(record.date);
            shown = date && *date < today;
        } else {
            shown = !pickerText.isEmpty() && record.date == pickerText;
        }
        if (shown)
            rows.push_back(FilteredRowOf(record, int(i)));
    }
    return rows;
}

const QString &CellText(const VisibleRow &row, int column)
{
    switch (column) {
    case ColDate:
        return row.date;
    case ColTime:
        return row.time;
    case ColMsg:
        return row.msg;
    case ColLaunchFile:
        return row.launch_file;
    case ColParamStr:
        return row.param_str;
    case ColReversDate:
        return row.reversdate;
    default: {
        static const QString none;
        return none;
    }
    }
}

void SortRows(std::vector<VisibleRow> &rows, int column, bool ascending)
{
    codec::SortByCell(
        rows, [column](const VisibleRow &row) { return QStringView(CellText(row, column)); }, ascending);
}

} // namespace diary
