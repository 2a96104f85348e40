#include "diary/RecordList.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

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

char16_t FoldAsciiLower(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
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

int CompareCells(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t ca = FoldAsciiLower(a[i].unicode());
        const char16_t cb = FoldAsciiLower(b[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void SortRows(std::vector<VisibleRow> &rows, int column, bool ascending)
{
    // The cells are folded once into one buffer and the sort moves small
    // entries over it: on 100,000 rows, reading cells scattered over the heap
    // for every comparison costs several times more than the sort itself.
    // Comparing folded text by code value is exactly CompareCells.
    struct Entry {
        qsizetype offset;
        qsizetype size;
        size_t position;
    };
    std::u16string folded;
    std::vector<Entry> order;
    order.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString &cell = CellText(rows[i], column);
        order.push_back({qsizetype(folded.size()), cell.size(), i});
        for (QChar c : cell)
            folded.push_back(FoldAsciiLower(c.unicode()));
    }

    // Empty cells sit at the far end ascending and at the front descending,
    // which is where they would be if they held the largest text of all.
    const auto cellOf = [&folded](const Entry &e) { return std::u16string_view(folded.data() + e.offset, e.size); };
    std::stable_sort(order.begin(), order.end(), [&cellOf, ascending](const Entry &x, const Entry &y) {
        if (x.size == 0 || y.size == 0)
            return ascending ? (x.size != 0 && y.size == 0) : (x.size == 0 && y.size != 0);
        const int result = cellOf(x).compare(cellOf(y));
        return ascending ? result < 0 : result > 0;
    });

    std::vector<VisibleRow> sorted;
    sorted.reserve(rows.size());
    for (const Entry &entry : order)
        sorted.push_back(std::move(rows[entry.position]));
    rows.swap(sorted);
}

bool SortMemory::nextDirection(int column)
{
    if (column == m_column) {
        m_column = -1;
        return false;
    }
    m_column = column;
    return true;
}

} // namespace diary
