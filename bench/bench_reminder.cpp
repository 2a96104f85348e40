// The once-a-second due check over the whole diary: one tick's test built and
// every record tested, at 1,000, 10,000 and 100,000 records. "allocs" counts
// the heap allocations of one tick: a few for the tick's texts, none per record.
#include <atomic>
#include <cstddef>
#include <random>

#include <benchmark/benchmark.h>

#include "diary/DateText.h"
#include "reminder/DueCheck.h"

// Every heap allocation of the process, Qt's texts included (they come from
// malloc, not from operator new): glibc's own allocator behind a counter.
namespace {

std::atomic<long> Allocations{0};

} // namespace

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *block, std::size_t size);

void *malloc(std::size_t size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void *realloc(void *block, std::size_t size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(block, size);
}
}

namespace {

const QDate FirstDay(2003, 1, 1);
constexpr int DaySpan = 1000;
const QDateTime Now(FirstDay.addDays(DaySpan / 2), QTime(10, 0, 30));

// Dates over about three years in random order, times over the whole day; a
// record in a hundred is for today, as a large diary has them.
diary::UnvisibleList MakeDiary(int count)
{
    std::mt19937 random(20040203);
    diary::UnvisibleList records;
    records.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        diary::DiaryRecord record;
        const QDate date = random() % 100 ? FirstDay.addDays(random() % DaySpan) : Now.date();
        record.date = diary::ShortDateText(date);
        record.time = QTime(random() % 24, random() % 60).toString(QStringLiteral("hh:mm"));
        record.msg = QStringLiteral("Позвонить маме");
        record.launch_file = diary::NullText;
        record.param_str = QStringLiteral("0000000000");
        records.push_back(record);
    }
    return records;
}

void RunTicks(benchmark::State &state, int gapMinutes)
{
    const diary::UnvisibleList records = MakeDiary(int(state.range(0)));
    const reminder::WallMinute previous = reminder::WallMinuteOf(Now) - gapMinutes;
    long due = 0;
    long allocations = 0;
    for (auto _ : state) {
        const long before = Allocations.load(std::memory_order_relaxed);
        const reminder::DueTest test(previous, Now);
        QString lateMark;
        for (const diary::DiaryRecord &record : records)
            due += test.isDue(record, &lateMark);
        allocations += Allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(due);
    }
    state.counters["allocs"] = benchmark::Counter(double(allocations), benchmark::Counter::kAvgIterations);
    state.counters["due"] = benchmark::Counter(double(due), benchmark::Counter::kAvgIterations);
}

// The usual tick: the previous one was a second ago.
void BM_DueCheckTick(benchmark::State &state)
{
    RunTicks(state, 1);
}

// After a suspend of 20 minutes: the records of those minutes come late.
void BM_DueCheckAfterGap(benchmark::State &state)
{
    RunTicks(state, 20);
}

} // namespace

BENCHMARK(BM_DueCheckTick)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DueCheckAfterGap)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
