#include <QTest>

#include "diary/RecordList.h"

using diary::DiaryRecord;
using diary::FilterSetup;
using diary::VisibleRow;

Q_DECLARE_METATYPE(diary::FilterSetup)

namespace {

const QDate Today(2004, 2, 3);

// The diary the filters are tried on. Keys are as the read left them: the
// record read without a final line end has none, and the key of record 1 is
// stale on purpose, so a view that recomputes keys shows it.
const diary::UnvisibleList Diary{
    {"03.02.2004", "09:05", "today, later", "(null)", "0100000000", "2004.02.0309:05"},
    {"04.02.2004", "10:30", "tomorrow", "(null)", "0000000000", "stale key"},
    {"02.02.2004", "23:59", "yesterday", "(null)", "0000000000", "2004.02.0223:59"},
    {"03.02.2004", "00:00", "today, already past", "(null)", "0000000000", "2004.02.0300:00"},
    {"2004-02-03", "12:00", "today in ISO form", "(null)", "0000000000", ""},
    {"3.2.2004", "08:00", "today without leading zeros", "(null)", "0000000000", "2004.02.0308:00"},
    {"15.01.2003", "08:00", "last year", "C:\\a.exe", "1000000000", "2003.01.1508:00"},
    {"05.02.2004", "07:00", "read without line end", "(null)", "0000000000", ""},
};

VisibleRow RowWithCell(int column, const QString &text, int id)
{
    VisibleRow row;
    row.recordIndex = id;
    QString *cells[] = {&row.date, &row.time, &row.msg, &row.launch_file, &row.param_str, &row.reversdate};
    *cells[column] = text;
    return row;
}

} // namespace

class TestRecordFilters : public QObject {
    Q_OBJECT
private slots:
    void setupFilter_data();
    void setupFilter();
    void visibleRows_data();
    void visibleRows();
    void sortRows_data();
    void sortRows();
};

void TestRecordFilters::setupFilter_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QDate>("pickerBefore");
    QTest::addColumn<FilterSetup>("previous");
    QTest::addColumn<bool>("pastMode");
    QTest::addColumn<bool>("showAllMode");
    QTest::addColumn<QDate>("pickerAfter");
    QTest::addColumn<bool>("pickerEnabled");
    QTest::addColumn<bool>("sortByDateEnabled");

    const QDate picked(2004, 3, 8);
    FilterSetup pastBefore;
    pastBefore.state.pastMode = true;
    pastBefore.pickerDate = QDate(2001, 1, 1);
    pastBefore.sortByDateEnabled = true;
    FilterSetup byDateBefore;
    byDateBefore.pickerEnabled = true;

    QTest::newRow("today moves the picker to today")
        << 0 << picked << pastBefore << false << false << Today << false << false;
    QTest::newRow("tomorrow moves the picker to the next day")
        << 1 << picked << pastBefore << false << false << QDate(2004, 2, 4) << false << false;
    QTest::newRow("not reminded sets past mode and keeps the picker")
        << 2 << picked << byDateBefore << true << false << picked << false << true;
    QTest::newRow("by date enables the picker and keeps its date")
        << 3 << picked << pastBefore << false << false << picked << true << false;
    QTest::newRow("all sets show-all mode") << 4 << picked << pastBefore << false << true << picked << false << true;
    QTest::newRow("no entry keeps the last filter")
        << -1 << picked << pastBefore << true << false << picked << false << true;
    QTest::newRow("index past the entries keeps the last filter")
        << 5 << picked << byDateBefore << false << false << picked << true << false;
}

void TestRecordFilters::setupFilter()
{
    QFETCH(int, index);
    QFETCH(QDate, pickerBefore);
    QFETCH(FilterSetup, previous);

    const FilterSetup setup = diary::SetupFilter(index, Today, pickerBefore, previous);
    QTEST(setup.state.pastMode, "pastMode");
    QTEST(setup.state.showAllMode, "showAllMode");
    QTEST(setup.pickerDate, "pickerAfter");
    QTEST(setup.pickerEnabled, "pickerEnabled");
    QTEST(setup.sortByDateEnabled, "sortByDateEnabled");
}

void TestRecordFilters::visibleRows_data()
{
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<QDate>("picker");
    QTest::addColumn<bool>("diaryEmpty");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("badDates");

    const QDate none;
    // Records dated today in another form ("3.2.2004", "2004-02-03") never
    // match the text of today.
    QTest::newRow("today, by text only") << 0 << none << false << QList<int>{0, 3}
                                         << QStringList{"2004.02.0309:05", "2004.02.0300:00"} << QStringList();
    QTest::newRow("tomorrow gets a fresh key")
        << 1 << none << false << QList<int>{1} << QStringList{"2004.02.0410:30"} << QStringList();
    QTest::newRow("not reminded: strictly before today, bad dates listed")
        << 2 << none << false << QList<int>{2, 6} << QStringList{"2004.02.0223:59", "2003.01.1508:00"}
        << QStringList{"2004-02-03"};
    QTest::newRow("by date: the picked day")
        << 3 << QDate(2004, 2, 2) << false << QList<int>{2} << QStringList{"2004.02.0223:59"} << QStringList();
    QTest::newRow("by date: a day without records")
        << 3 << QDate(2004, 2, 10) << false << QList<int>() << QStringList() << QStringList();
    QTest::newRow("all: file order, keys as read")
        << 4 << none << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7}
        << QStringList{"2004.02.0309:05", "stale key", "2004.02.0223:59", "2004.02.0300:00", "", "2004.02.0308:00",
                       "2003.01.1508:00", ""}
        << QStringList();
    QTest::newRow("empty diary shows nothing under all")
        << 4 << none << true << QList<int>() << QStringList() << QStringList();
    QTest::newRow("empty diary shows nothing under not reminded")
        << 2 << none << true << QList<int>() << QStringList() << QStringList();
}

void TestRecordFilters::visibleRows()
{
    QFETCH(int, filterIndex);
    QFETCH(QDate, picker);
    QFETCH(bool, diaryEmpty);
    QFETCH(QList<int>, shown);
    QFETCH(QStringList, keys);

    const FilterSetup setup = diary::SetupFilter(filterIndex, Today, picker, FilterSetup());
    QStringList badDates;
    const std::vector<VisibleRow> rows =
        diary::BuildVisibleRows(Diary, diaryEmpty, setup.state, setup.pickerDate, Today, &badDates);

    QList<int> indexes;
    QStringList rowKeys;
    for (const VisibleRow &row : rows) {
        indexes << row.recordIndex;
        rowKeys << row.reversdate;
        const DiaryRecord &record = Diary[size_t(row.recordIndex)];
        QCOMPARE(row.date, record.date);
        QCOMPARE(row.time, record.time);
        QCOMPARE(row.msg, record.msg);
        QCOMPARE(row.launch_file, record.launch_file);
        QCOMPARE(row.param_str, record.param_str);
    }
    QCOMPARE(indexes, shown);
    QCOMPARE(rowKeys, keys);
    QTEST(badDates, "badDates");
}

void TestRecordFilters::sortRows_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QList<int>>("order"); // positions in `cells`, sorted

    const QStringList keys{"2004.02.0309:05", "2003.01.1508:00", "", "2004.02.0300:00", "2004.02.0223:59", ""};
    QTest::newRow("by date ascending, empty keys last")
        << int(diary::ColReversDate) << true << keys << QList<int>{1, 4, 3, 0, 2, 5};
    QTest::newRow("by date descending, empty keys first")
        << int(diary::ColReversDate) << false << keys << QList<int>{2, 5, 0, 3, 4, 1};
    QTest::newRow("by time alone") << int(diary::ColTime) << true << QStringList{"23:59", "09:05", "00:00", "10:30"}
                                   << QList<int>{2, 1, 3, 0};
    QTest::newRow("equal cells keep their order ascending")
        << int(diary::ColTime) << true << QStringList{"10:00", "09:00", "10:00", "09:00", "10:00"}
        << QList<int>{1, 3, 0, 2, 4};
    QTest::newRow("equal cells keep their order descending")
        << int(diary::ColTime) << false << QStringList{"10:00", "09:00", "10:00", "09:00", "10:00"}
        << QList<int>{0, 2, 4, 1, 3};
    // Enough rows that an unstable sort would not keep them by chance.
    QStringList many;
    QList<int> earlyFirst;
    QList<int> lateFirst;
    for (int i = 0; i < 64; ++i)
        many << (i % 2 ? "09:00" : "10:00");
    for (int i = 1; i < 64; i += 2)
        earlyFirst << i;
    for (int i = 0; i < 64; i += 2)
        lateFirst << i;
    QTest::newRow("many equal cells keep their order ascending")
        << int(diary::ColTime) << true << many << (earlyFirst + lateFirst);
    QTest::newRow("many equal cells keep their order descending")
        << int(diary::ColTime) << false << many << (lateFirst + earlyFirst);
    QTest::newRow("messages: a-z folded, '_' after letters")
        << int(diary::ColMsg) << true << QStringList{"_note", "beta", "Alpha", "alpha", "Zulu", "alp"}
        << QList<int>{5, 2, 3, 1, 4, 0};
    QTest::newRow("messages: Cyrillic by Windows-1251 code, yo before a")
        << int(diary::ColMsg) << true
        << QStringList{QStringLiteral("альфа"), QStringLiteral("ёж"), QStringLiteral("Яблоко"), QStringLiteral("zebra")}
        << QList<int>{3, 1, 2, 0};
}

void TestRecordFilters::sortRows()
{
    QFETCH(int, column);
    QFETCH(bool, ascending);
    QFETCH(QStringList, cells);

    std::vector<VisibleRow> rows;
    for (int i = 0; i < cells.size(); ++i)
        rows.push_back(RowWithCell(column, cells[i], i));
    diary::SortRows(rows, column, ascending);

    QList<int> order;
    for (const VisibleRow &row : rows) {
        order << row.recordIndex;
        QCOMPARE(diary::CellText(row, column), cells[row.recordIndex]);
    }
    QTEST(order, "order");
}

QTEST_APPLESS_MAIN(TestRecordFilters)
#include "tst_recordfilters.moc"
