// The diary is read, filtered and keyed again on every refresh, so these
// measure a refresh's parts on a large diary: 100,000 records.
#include <random>

#include <benchmark/benchmark.h>

#include "diary/DateText.h"
#include "diary/DiaryFile.h"
#include "diary/RecordList.h"

namespace {

constexpr int RecordCount = 100000;
const QDate FirstDay(2003, 1, 1);
constexpr int DaySpan = 1000; // about 100 records a day
const QDate Today = FirstDay.addDays(DaySpan / 2);

// Records as users write them: Cyrillic messages of a few words, mostly no
// file to start, flags in the first three positions. Dates in random order,
// as records are added whenever the user thinks of them.
diary::UnvisibleList MakeDiary()
{
    const QStringList words{QStringLiteral("Позвонить"), QStringLiteral("маме"),    QStringLiteral("купить"),
                            QStringLiteral("хлеб"),      QStringLiteral("встреча"), QStringLiteral("в"),
                            QStringLiteral("банке"),     QStringLiteral("отчёт"),   QStringLiteral("до"),
                            QStringLiteral("пятницы"),   QStringLiteral("Ивану"),   QStringLiteral("Петровичу")};
    std::mt19937 random(20040203);
    diary::UnvisibleList records;
    records.reserve(RecordCount);
    for (int i = 0; i < RecordCount; ++i) {
        diary::DiaryRecord record;
        record.date = diary::ShortDateText(FirstDay.addDays(random() % DaySpan));
        record.time = QTime(random() % 24, random() % 60).toString(QStringLiteral("hh:mm"));
        const int wordCount = 2 + random() % 6;
        for (int w = 0; w < wordCount; ++w)
            record.msg += (w ? QStringLiteral(" ") : QString()) + words[random() % words.size()];
        record.launch_file = random() % 5 ? diary::NullText : QStringLiteral("C:\\Program Files\\Tools\\remind.exe");
        record.param_str = QStringLiteral("%1%2%30000000").arg(random() % 2).arg(random() % 2).arg(random() % 2);
        records.push_back(record);
    }
    return records;
}

// Read back from its own bytes, so every record carries its key as after a refresh.
const diary::DiaryReadResult &Diary()
{
    static const diary::DiaryReadResult read = diary::ParseDiary(diary::FormatDiary(MakeDiary()));
    return read;
}

const QByteArray &DiaryBytes()
{
    static const QByteArray bytes = diary::FormatDiary(Diary().records);
    return bytes;
}

void BM_ParseDiary(benchmark::State &state)
{
    const QByteArray &bytes = DiaryBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(diary::ParseDiary(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseDiary)->Unit(benchmark::kMillisecond);

void BM_FormatDiary(benchmark::State &state)
{
    const diary::UnvisibleList &records = Diary().records;
    for (auto _ : state)
        benchmark::DoNotOptimize(diary::FormatDiary(records));
    state.SetBytesProcessed(state.iterations() * DiaryBytes().size());
}
BENCHMARK(BM_FormatDiary)->Unit(benchmark::kMillisecond);

void BM_BuildVisibleRows(benchmark::State &state)
{
    const diary::FilterSetup setup = diary::SetupFilter(int(state.range(0)), Today, Today, {});
    size_t shown = 0;
    for (auto _ : state) {
        const std::vector<diary::VisibleRow> rows =
            diary::BuildVisibleRows(Diary().records, false, setup.state, setup.pickerDate, Today);
        shown = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = double(shown);
}
BENCHMARK(BM_BuildVisibleRows)
    ->ArgName("filter")
    ->Arg(diary::FilterToday)
    ->Arg(diary::FilterPast)
    ->Arg(diary::FilterAll)
    ->Unit(benchmark::kMillisecond);

void BM_SortRowsByDate(benchmark::State &state)
{
    const std::vector<diary::VisibleRow> unsorted =
        diary::BuildVisibleRows(Diary().records, false, diary::FilterState{false, true}, Today, Today);
    const bool ascending = state.range(0) != 0;
    // Copying and freeing 100,000 rows is not the sort: both happen untimed.
    std::vector<diary::VisibleRow> rows;
    for (auto _ : state) {
        state.PauseTiming();
        rows = unsorted;
        state.ResumeTiming();
        diary::SortRows(rows, diary::ColReversDate, ascending);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SortRowsByDate)->ArgName("ascending")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
