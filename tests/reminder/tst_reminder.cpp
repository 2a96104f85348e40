#include <QtTest>

#include "diary/DateText.h"
#include "reminder/DueCheck.h"
#include "reminder/Reminded.h"
#include "reminder/Switches.h"

using diary::DiaryRecord;
using diary::UnvisibleList;

namespace {

// "dd.MM.yyyy hh:mm|msg|param_str" as the diary holds it.
DiaryRecord Record(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    DiaryRecord record;
    record.date = parts[0].section(QLatin1Char(' '), 0, 0);
    record.time = parts[0].section(QLatin1Char(' '), 1, 1);
    record.msg = parts.value(1);
    record.launch_file = diary::NullText;
    record.param_str = parts.value(2);
    record.reversdate = diary::SortKey(record.date, record.time);
    return record;
}

QString Text(const DiaryRecord &record)
{
    return record.date + QLatin1Char(' ') + record.time + QLatin1Char('|') + record.msg + QLatin1Char('|') +
           record.param_str;
}

UnvisibleList Diary(const QStringList &texts)
{
    UnvisibleList list;
    for (const QString &text : texts)
        list.push_back(Record(text));
    return list;
}

QStringList Texts(const UnvisibleList &list)
{
    QStringList texts;
    for (const DiaryRecord &record : list)
        texts << Text(record);
    return texts;
}

QDateTime At(const QString &text)
{
    const QDateTime time = QDateTime::fromString(text, QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    if (!time.isValid())
        qFatal("bad tick %s", qPrintable(text));
    return time;
}

// The ticks as the window runs them: one test a tick, and the list walked with
// the same index after each reminded record, which leaves the list. Gives
// "tick: message line" for every reminder.
QStringList RunTicks(UnvisibleList &list, const QStringList &ticks)
{
    reminder::DueTracker tracker;
    QStringList reminded;
    for (int tick = 0; tick < ticks.size(); ++tick) {
        const reminder::DueTest test = tracker.beginTick(At(ticks[tick]));
        QString lateMark;
        for (std::size_t i = 0; i < list.size();) {
            if (test.isDue(list[i], &lateMark)) {
                const DiaryRecord record = reminder::TakeReminded(list, i);
                reminded << QStringLiteral("%1: %2%3").arg(tick).arg(lateMark, record.msg);
            } else {
                ++i;
            }
        }
    }
    return reminded;
}

} // namespace

class TstReminder : public QObject {
    Q_OBJECT

private slots:
    void ticks_data();
    void ticks();
    void recordLeftInList_data();
    void recordLeftInList();
    void heldBackRecordNotDueAgainInItsMinute();
    void clockTexts_data();
    void clockTexts();
    void switches_data();
    void switches();
    void yearlyCopy_data();
    void yearlyCopy();
    void messageLines_data();
    void messageLines();
    void actionLines();
    void shouldLaunch_data();
    void shouldLaunch();
};

void TstReminder::ticks_data()
{
    QTest::addColumn<QStringList>("diary");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("reminded");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("due now") << QStringList{"03.02.2004 10:00|Call the bank|000"} << QStringList{"03.02.2004 10:00:00"}
                             << QStringList{"0: Call the bank"} << QStringList{};
    QTest::newRow("due at the first tick of its minute")
        << QStringList{"03.02.2004 10:00|Call|000"}
        << QStringList{"03.02.2004 09:59:58", "03.02.2004 09:59:59", "03.02.2004 10:00:00", "03.02.2004 10:00:01"}
        << QStringList{"2: Call"} << QStringList{};
    QTest::newRow("another day at the same time")
        << QStringList{"04.02.2004 10:00|Tomorrow|000", "03.02.2003 10:00|Last year|000"}
        << QStringList{"03.02.2004 10:00:00"} << QStringList{}
        << QStringList{"04.02.2004 10:00|Tomorrow|000", "03.02.2003 10:00|Last year|000"};
    QTest::newRow("minute passed before start")
        << QStringList{"03.02.2004 09:59|Missed|000"}
        << QStringList{"03.02.2004 10:00:05", "03.02.2004 10:00:06", "03.02.2004 10:01:00"} << QStringList{}
        << QStringList{"03.02.2004 09:59|Missed|000"};
    QTest::newRow("time not written as the clock writes it")
        << QStringList{"03.02.2004 9:05|Short hour|000", "3.2.2004 09:05|Short date|000"}
        << QStringList{"03.02.2004 09:05:00"} << QStringList{}
        << QStringList{"03.02.2004 9:05|Short hour|000", "3.2.2004 09:05|Short date|000"};
    QTest::newRow("two in one minute, in file order")
        << QStringList{"03.02.2004 10:00|First|000", "03.02.2004 11:00|Later|000", "03.02.2004 10:00|Second|000"}
        << QStringList{"03.02.2004 10:00:30"} << QStringList{"0: First", "0: Second"}
        << QStringList{"03.02.2004 11:00|Later|000"};
    QTest::newRow("yearly copy at the end, not due again in the minute")
        << QStringList{"15.03.2004 09:05|Birthday|1101000000", "15.03.2004 12:00|Lunch|000"}
        << QStringList{"15.03.2004 09:05:00", "15.03.2004 09:05:30"} << QStringList{"0: Birthday"}
        << QStringList{"15.03.2004 12:00|Lunch|000", "15.03.2005 09:05|Birthday|1101000000"};
    QTest::newRow("empty param_str: removed, no copy")
        << QStringList{"03.02.2004 10:00|Plain|"} << QStringList{"03.02.2004 10:00:00"} << QStringList{"0: Plain"}
        << QStringList{};
    QTest::newRow("29 February, yearly") << QStringList{"29.02.2004 09:05|Leap day|111"}
                                         << QStringList{"29.02.2004 09:05:00"} << QStringList{"0: Leap day"}
                                         << QStringList{"28.02.2005 09:05|Leap day|111"};
    QTest::newRow("gap of 20 minutes: each record inside once, late")
        << QStringList{"03.02.2004 10:20|C|000", "03.02.2004 10:05|B|000",      "03.02.2004 10:22|After|000",
                       "03.02.2004 10:21|D|000", "03.02.2004 09:59|Before|000", "03.02.2004 10:00|A|000"}
        << QStringList{"03.02.2004 10:00:30", "03.02.2004 10:21:10", "03.02.2004 10:21:40"}
        << QStringList{"0: A", "1: [10:20] C", "1: [10:05] B", "1: D"}
        << QStringList{"03.02.2004 10:22|After|000", "03.02.2004 09:59|Before|000"};
    QTest::newRow("gap: a yearly record comes late and is copied")
        << QStringList{"03.02.2004 10:05|Yearly|100"} << QStringList{"03.02.2004 10:00:59", "03.02.2004 10:30:00"}
        << QStringList{"1: [10:05] Yearly"} << QStringList{"03.02.2005 10:05|Yearly|100"};
    QTest::newRow("clock set back an hour")
        << QStringList{"03.02.2004 10:30|X|000", "03.02.2004 10:45|Y|100", "03.02.2004 11:30|Z|000"}
        << QStringList{"03.02.2004 10:30:00", "03.02.2004 11:00:00", "03.02.2004 10:00:00", "03.02.2004 10:30:00",
                       "03.02.2004 10:45:00", "03.02.2004 11:00:30", "03.02.2004 11:30:00"}
        << QStringList{"0: X", "1: [10:45] Y", "6: Z"} << QStringList{"03.02.2005 10:45|Y|100"};
    QTest::newRow("across midnight") << QStringList{"14.03.2004 23:55|Late evening|000", "15.03.2004 00:05|Early|000",
                                                    "14.03.2004 23:45|Before start|000", "15.03.2004 00:10|Now|000",
                                                    "14.03.2004 23:50|On time|000"}
                                     << QStringList{"14.03.2004 23:50:00", "15.03.2004 00:10:00"}
                                     << QStringList{"0: On time", "1: [14.03.2004 23:55] Late evening",
                                                    "1: [00:05] Early", "1: Now"}
                                     << QStringList{"14.03.2004 23:45|Before start|000"};
    QTest::newRow("midnight without a gap")
        << QStringList{"15.03.2004 00:00|Midnight|000", "14.03.2004 23:59|Last minute|000"}
        << QStringList{"14.03.2004 23:59:59", "15.03.2004 00:00:00"} << QStringList{"0: Last minute", "1: Midnight"}
        << QStringList{};
    QTest::newRow("gap longer than a day: one day made up for")
        << QStringList{"02.03.2004 08:59|Too old|000", "02.03.2004 09:00|A day late|000",
                       "03.03.2004 08:00|An hour late|000", "01.03.2004 10:30|Two days late|000"}
        << QStringList{"01.03.2004 10:00:00", "03.03.2004 09:00:00"}
        << QStringList{"1: [02.03.2004 09:00] A day late", "1: [08:00] An hour late"}
        << QStringList{"02.03.2004 08:59|Too old|000", "01.03.2004 10:30|Two days late|000"};
}

void TstReminder::ticks()
{
    QFETCH(QStringList, diary);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, reminded);
    QFETCH(QStringList, left);

    UnvisibleList list = Diary(diary);
    QCOMPARE(RunTicks(list, ticks), reminded);
    QCOMPARE(Texts(list), left);
    // The yearly copies carry a sort key made for their new date.
    for (const DiaryRecord &record : list)
        QCOMPARE(record.reversdate, diary::SortKey(record.date, record.time));
}

// A record that stays in the list (its removal was not stored): at which
// ticks it is due. This shows which minutes each tick checks.
void TstReminder::recordLeftInList_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QList<int>>("dueAt");

    QTest::newRow("its minute checked at every tick of it")
        << "03.02.2004 10:00|R|000" << QStringList{"03.02.2004 10:00:10", "03.02.2004 10:00:50", "03.02.2004 10:01:00"}
        << QList<int>{0, 1};
    QTest::newRow("clock set back an hour: nothing twice")
        << "03.02.2004 10:30|R|000"
        << QStringList{"03.02.2004 10:30:00", "03.02.2004 11:00:00", "03.02.2004 10:00:00", "03.02.2004 10:30:00",
                       "03.02.2004 10:59:59", "03.02.2004 11:00:01", "03.02.2004 11:01:00"}
        << QList<int>{0};
    QTest::newRow("clock set back: late minutes not made up twice")
        << "03.02.2004 10:45|R|000"
        << QStringList{"03.02.2004 10:30:00", "03.02.2004 11:00:00", "03.02.2004 10:00:00", "03.02.2004 11:00:30",
                       "03.02.2004 11:01:00"}
        << QList<int>{1};
    QTest::newRow("clock set back, then past the latest minute checked")
        << "03.02.2004 11:30|R|000"
        << QStringList{"03.02.2004 11:00:00", "03.02.2004 10:00:00", "03.02.2004 11:29:59", "03.02.2004 11:30:00"}
        << QList<int>{3};
    QTest::newRow("gap after the clock was set back starts at the latest minute checked")
        << "03.02.2004 11:10|R|000" << QStringList{"03.02.2004 11:00:00", "03.02.2004 10:00:00", "03.02.2004 11:20:00"}
        << QList<int>{2};
}

void TstReminder::recordLeftInList()
{
    QFETCH(QString, record);
    QFETCH(QStringList, ticks);
    QFETCH(QList<int>, dueAt);

    const DiaryRecord kept = Record(record);
    reminder::DueTracker tracker;
    QList<int> due;
    for (int tick = 0; tick < ticks.size(); ++tick) {
        if (tracker.beginTick(At(ticks[tick])).isDue(kept))
            due << tick;
    }
    QCOMPARE(due, dueAt);
}

void TstReminder::heldBackRecordNotDueAgainInItsMinute()
{
    const DiaryRecord kept = Record(QStringLiteral("03.02.2004 10:00|Unsaved|000"));
    const DiaryRecord other = Record(QStringLiteral("03.02.2004 10:00|Other|000"));
    reminder::DueTracker tracker;

    const reminder::DueTest first = tracker.beginTick(At(QStringLiteral("03.02.2004 10:00:10")));
    QVERIFY(first.isDue(kept));
    tracker.holdBack(kept);
    QVERIFY(!first.isDue(kept)); // the walk goes on over the reloaded list in the same tick
    QVERIFY(first.isDue(other));

    const reminder::DueTest second = tracker.beginTick(At(QStringLiteral("03.02.2004 10:00:11")));
    QVERIFY(!second.isDue(kept));
    QVERIFY(second.isDue(other));

    // The next day the same texts are another reminder.
    const DiaryRecord nextDay = Record(QStringLiteral("04.02.2004 10:00|Unsaved|000"));
    tracker.holdBack(nextDay);
    QVERIFY(tracker.beginTick(At(QStringLiteral("04.02.2004 10:00:00"))).isDue(nextDay));
}

void TstReminder::clockTexts_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("clock");

    QTest::newRow("morning") << "03.02.2004 09:05:59"
                             << "03.02.2004"
                             << "09:05";
    QTest::newRow("midnight") << "01.01.2005 00:00:00"
                              << "01.01.2005"
                              << "00:00";
    QTest::newRow("last minute of the day") << "31.12.2004 23:59:30"
                                            << "31.12.2004"
                                            << "23:59";
}

void TstReminder::clockTexts()
{
    QFETCH(QString, now);
    QFETCH(QString, today);
    QFETCH(QString, clock);

    const reminder::DueTest test(std::nullopt, At(now));
    QCOMPARE(test.todayText(), today);
    QCOMPARE(test.clockText(), clock);
}

void TstReminder::switches_data()
{
    QTest::addColumn<QString>("paramStr");
    QTest::addColumn<bool>("yearly");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("powerOff");

    QTest::newRow("empty") << "" << false << false << false;
    QTest::newRow("one position") << "1" << true << false << false;
    QTest::newRow("two positions") << "01" << false << true << false;
    QTest::newRow("three on") << "111" << true << true << true;
    QTest::newRow("ten positions, power-off only") << "0010000000" << false << false << true;
    QTest::newRow("only \"1\" is on") << "2x1" << false << false << true;
    QTest::newRow("positions past three do not count") << "0001111111" << false << false << false;
}

void TstReminder::switches()
{
    QFETCH(QString, paramStr);
    QFETCH(bool, yearly);
    QFETCH(bool, sound);
    QFETCH(bool, powerOff);

    const reminder::Switches switches = reminder::ReadSwitches(paramStr);
    QCOMPARE(switches.yearly, yearly);
    QCOMPARE(switches.sound, sound);
    QCOMPARE(switches.powerOff, powerOff);
}

void TstReminder::yearlyCopy_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("copy"); // empty: none

    QTest::newRow("same day next year") << "15.03.2004 09:05|Birthday|1000000000"
                                        << "15.03.2005 09:05|Birthday|1000000000";
    QTest::newRow("29 February") << "29.02.2004 23:59|Leap|1"
                                 << "28.02.2005 23:59|Leap|1";
    QTest::newRow("28 February before a leap year") << "28.02.2003 10:00|Feb|1"
                                                    << "28.02.2004 10:00|Feb|1";
    QTest::newRow("last day of the year") << "31.12.2004 00:00|New year|110"
                                          << "31.12.2005 00:00|New year|110";
    QTest::newRow("not a date") << "31.02.2004 10:00|Bad|1"
                                << "";
}

void TstReminder::yearlyCopy()
{
    QFETCH(QString, record);
    QFETCH(QString, copy);

    DiaryRecord original = Record(record);
    original.launch_file = QStringLiteral("/home/user/My Files/run me.sh");
    const std::optional<DiaryRecord> made = reminder::YearlyCopy(original);
    QCOMPARE(made.has_value(), !copy.isEmpty());
    if (!made)
        return;
    QCOMPARE(Text(*made), copy);
    QCOMPARE(made->launch_file, original.launch_file);
    QCOMPARE(made->reversdate, diary::SortKey(made->date, made->time));
    QVERIFY(!made->reversdate.isEmpty());
}

void TstReminder::messageLines_data()
{
    QTest::addColumn<QString>("msg");
    QTest::addColumn<QString>("lateMark");
    QTest::addColumn<QStringList>("lines");

    const QString underscores(64, u'_');
    QTest::newRow("message") << "Позвонить маме"
                             << "" << QStringList{"Позвонить маме", underscores, " "};
    QTest::newRow("(null)") << "(null)"
                            << "" << QStringList{underscores, " "};
    QTest::newRow("late") << "Call"
                          << "[09:05] " << QStringList{"[09:05] Call", underscores, " "};
    QTest::newRow("late, (null)") << "(null)"
                                  << "[09:05] " << QStringList{underscores, " "};
    QTest::newRow("\"(null)\" inside a message") << " (null)"
                                                 << "" << QStringList{" (null)", underscores, " "};
}

void TstReminder::messageLines()
{
    QFETCH(QString, msg);
    QFETCH(QString, lateMark);
    QFETCH(QStringList, lines);

    QCOMPARE(reminder::MessageLines(msg, lateMark), lines);
    QCOMPARE(lines.at(lines.size() - 2).size(), 64);
}

void TstReminder::actionLines()
{
    QCOMPARE(reminder::SoundLines(),
             (QStringList{QString(), QStringLiteral("!!!Для выключения проигрывания звука нажмите ok!!!"),
                          QStringLiteral("!!!Press ok button for stop playing!!!")}));
    QCOMPARE(reminder::PowerOffLines(),
             (QStringList{QString(), QStringLiteral("!!!Идёт подготовка к выключению компьютера!!!"),
                          QStringLiteral("!!!Windows ShutDown in progress!!!")}));
}

void TstReminder::shouldLaunch_data()
{
    QTest::addColumn<QString>("launchFile");
    QTest::addColumn<bool>("launch");

    QTest::newRow("a path") << "/home/user/run me.sh" << true;
    QTest::newRow("(null)") << "(null)" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("a blank") << " " << true;
}

void TstReminder::shouldLaunch()
{
    QFETCH(QString, launchFile);
    QFETCH(bool, launch);
    QCOMPARE(reminder::ShouldLaunch(launchFile), launch);
}

QTEST_APPLESS_MAIN(TstReminder)
#include "tst_reminder.moc"
