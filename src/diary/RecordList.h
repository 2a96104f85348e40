#pragma once

#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

#include "diary/DiaryRecord.h"

// The filtered, sortable view of the diary shown on the Records page.
namespace diary {

// Entries of the filter selector, by index.
enum FilterIndex { FilterToday = 0, FilterTomorrow = 1, FilterPast = 2, FilterByDate = 3, FilterAll = 4 };

// Kept by the window from one refresh to the next.
struct FilterState {
    bool pastMode = false;    // rows dated strictly before today
    bool showAllMode = false; // every record
    // With neither mode, rows whose date text equals the picker's date text.
};

// What choosing a filter index does to the filter controls.
struct FilterSetup {
    FilterState state;
    QDate pickerDate;           // the Records page's day picker after the change
    bool pickerEnabled = false; // the day picker is only editable for "by date"
    bool sortByDateEnabled = false;
};

// Index outside 0..4 (no entry selected) keeps `previous` and the picker as they are.
FilterSetup SetupFilter(int filterIndex, QDate today, QDate pickerDate, const FilterSetup &previous);

// One visible row: the record's texts, its position in the diary, and the
// sort key computed afresh (or, for "all", as the read left it).
struct VisibleRow {
    QString date;
    QString time;
    QString msg;
    QString launch_file;
    QString param_str;
    QString reversdate;
    int recordIndex = -1;
};

// Builds the rows in file order. Records whose date cannot be read are left
// out of the past view and their date texts added to `badDates`.
std::vector<VisibleRow> BuildVisibleRows(const UnvisibleList &records, bool diaryEmpty, const FilterState &state,
                                         QDate pickerDate, QDate today, QStringList *badDates = nullptr);

// Column numbers of the visible list.
enum Column { ColDate = 0, ColTime, ColMsg, ColLaunchFile, ColParamStr, ColReversDate, ColumnCount };

const QString &CellText(const VisibleRow &row, int column);

// Stable sort by one column in the lists' order (codec/ListOrder.h): empty
// cells last ascending and first descending.
void SortRows(std::vector<VisibleRow> &rows, int column, bool ascending);

} // namespace diary
