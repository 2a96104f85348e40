// A whole refresh of the Records page as the user sees it: the diary file of
// 100,000 records read from disk, filtered, and handed to the list's model.
// Also reports the resident memory of the window holding that diary.
#include <random>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "MessageBox.h"
#include "Unit1.h"
#include "diary/DateText.h"
#include "diary/DiaryFile.h"
#include "platform/Clock.h"
#include "platform/OwnerName.h"
#include "platform/StartWithSession.h"

namespace {

constexpr int RecordCount = 100000;
const QDate Today(2004, 2, 3);

class FixedClock final : public platform::Clock {
public:
    QDateTime now() const override { return QDateTime(Today, QTime(10, 0)); }
};
class NoAutostart final : public platform::StartWithSession {
public:
    bool isEnabled() const override { return false; }
    QString setEnabled(bool) override { return {}; }
};
class Owner final : public platform::OwnerName {
public:
    QString ownerName() const override { return QStringLiteral("bench"); }
};
class SilentBox final : public MessageBox {
public:
    Answer question(QWidget *, const QString &, const QString &) override { return No; }
    void error(QWidget *, const QString &, const QString &) override {}
};

QByteArray DiaryBytes()
{
    std::mt19937 random(20040203);
    diary::UnvisibleList records;
    records.reserve(RecordCount);
    for (int i = 0; i < RecordCount; ++i) {
        diary::DiaryRecord record;
        record.date = diary::ShortDateText(Today.addDays(int(random() % 1000) - 500));
        record.time = QTime(random() % 24, random() % 60).toString(QStringLiteral("hh:mm"));
        record.msg = QStringLiteral("Позвонить маме насчёт встречи %1").arg(i);
        record.launch_file = diary::NullText;
        record.param_str = QStringLiteral("0100000000");
        records.push_back(record);
    }
    return diary::FormatDiary(records);
}

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void BM_ListUpdate(benchmark::State &state)
{
    QTemporaryDir folder;
    QFile diary(folder.filePath(diary::DiaryFileName));
    if (!diary.open(QIODevice::WriteOnly))
        state.SkipWithError("cannot write the diary");
    diary.write(DiaryBytes());
    diary.close();

    FixedClock clock;
    NoAutostart autostart;
    Owner owner;
    SilentBox box;
    const long before = ResidentKilobytes();
    TForm1 form(folder.path(), WindowSeams{&clock, &autostart, &owner, &box});
    form.RzLineComboBox1->setCurrentIndex(int(state.range(0)));
    for (auto _ : state)
        form.ListUpdate();
    state.counters["rows"] = double(form.Label22->text().toInt());
    state.counters["window_rss_kb"] = double(ResidentKilobytes() - before);
}
BENCHMARK(BM_ListUpdate)->ArgName("filter")->Arg(0)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
