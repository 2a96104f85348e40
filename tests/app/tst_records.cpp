#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include <sys/stat.h>

#include "RecordTableModel.h"
#include "WindowFixture.h"
#include "widgets/FlatControls.h"
#include "widgets/ReportList.h"

// The Records page over a real diary file in a temporary program folder,
// driven as the user drives it. The fake clock says 3 February 2004, 10:00.
class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void filters_data();
    void filters();
    void filterSetFromCodeRunsNoRefresh();
    void pickerDay_data();
    void pickerDay();
    void halfTypedDateIsNotTaken();
    void pickerFollowsTheFilter();
    void sortCommands();
    void headerSwitch();
    void badDateKeepsEveryRecord();
    void writeFailureShowsError();
    void unreadableDiaryIsNeverWritten_data();
    void unreadableDiaryIsNeverWritten();
    void rewriteReproducesFile();
    void longCellShowsItsStart_data();
    void longCellShowsItsStart();

private:
    static QByteArray sampleDiary();
    static QStringList messages(const TForm1 &form);
};

QByteArray TestRecords::sampleDiary()
{
    return DiaryRecordBytes("03.02.2004", "09:05", "today-late") + DiaryRecordBytes("04.02.2004", "08:00", "tomorrow") +
           DiaryRecordBytes("02.02.2004", "23:59", "yesterday") +
           DiaryRecordBytes("03.02.2004", "07:30", "today-early") +
           DiaryRecordBytes("2004-02-03", "07:00", "other-format") + DiaryRecordBytes("01.01.2003", "12:00", "old");
}

QStringList TestRecords::messages(const TForm1 &form)
{
    QStringList result;
    for (const diary::VisibleRow &row : form.recordModel()->rows())
        result << row.msg;
    return result;
}

void TestRecords::filters_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("pickerEnabled");
    QTest::addColumn<bool>("sortByDateEnabled");
    QTest::newRow("today") << 0 << QStringList{"today-late", "today-early"} << false << false;
    QTest::newRow("tomorrow") << 1 << QStringList{"tomorrow"} << false << false;
    QTest::newRow("not reminded") << 2 << QStringList{"yesterday", "old"} << false << true;
    QTest::newRow("by date keeps picker") << 3 << QStringList{"today-late", "today-early"} << true << false;
    QTest::newRow("all in file order") << 4 << QStringList{"today-late",  "tomorrow",     "yesterday",
                                                           "today-early", "other-format", "old"}
                                       << false << true;
}

void TestRecords::filters()
{
    QFETCH(int, index);
    QFETCH(QStringList, shown);
    QFETCH(bool, pickerEnabled);
    QFETCH(bool, sortByDateEnabled);

    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.startShown();
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));

    QVERIFY(ChooseEntry(form.RzLineComboBox1, index));
    QCOMPARE(messages(form), shown);
    QCOMPARE(form.Label22->text(), QString::number(shown.size()));
    QCOMPARE(form.RzDateTimePicker4->isEnabled(), pickerEnabled);
    QCOMPARE(form.N4->isEnabled(), sortByDateEnabled);
    QCOMPARE(form.RzListView1->hasFocus(), true);
    QCOMPARE(int(form.UnvisibleList.size()), 6);
}

void TestRecords::filterSetFromCodeRunsNoRefresh()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.startShown();
    form.RzLineComboBox1->setCurrentIndex(diary::FilterAll);
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));
    // The next refresh takes the filter the selector shows.
    form.ListUpdate();
    QCOMPARE(messages(form).size(), 6);
}

void TestRecords::pickerDay_data()
{
    QTest::addColumn<bool>("inCalendar"); // else typed and ended with Enter
    QTest::newRow("picked in the calendar") << true;
    QTest::newRow("typed, Enter") << false;
}

void TestRecords::pickerDay()
{
    QFETCH(bool, inCalendar);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.startShown();
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterByDate));

    // The user picks yesterday: the list follows at once.
    if (inCalendar) {
        QCalendarWidget *calendar = OpenCalendar(form.RzDateTimePicker4);
        QVERIFY(calendar);
        QVERIFY(ClickDay(calendar, 2));
    } else {
        TypeIntoPicker(form.RzDateTimePicker4, QStringLiteral("02"), true);
    }
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 2));
    QCOMPARE(messages(form), QStringList{"yesterday"});
    QCOMPARE(form.Label22->text(), QStringLiteral("1"));
}

void TestRecords::halfTypedDateIsNotTaken()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.startShown();
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterByDate));

    // "0" then "4": after the first key the field would read day 0 or
    // day 4 of some typing state; nothing is taken until the typing ends.
    TypeIntoPicker(form.RzDateTimePicker4, QStringLiteral("04"), false);
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 3));
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));
    QTest::keyClick(form.RzDateTimePicker4, Qt::Key_Return);
    QCOMPARE(messages(form), QStringList{"tomorrow"});
}

void TestRecords::pickerFollowsTheFilter()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.startShown();
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterByDate));
    QVERIFY(form.RzDateTimePicker4->isEnabled());
    TypeIntoPicker(form.RzDateTimePicker4, QStringLiteral("02"), true);
    QCOMPARE(messages(form), QStringList{"yesterday"});
    // "today" moves the picker back and disables it; "by date" keeps today then.
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterToday));
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 3));
    QVERIFY(!form.RzDateTimePicker4->isEnabled());
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterByDate));
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 3));
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterTomorrow));
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 4));
}

void TestRecords::sortCommands()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.startShown();
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterPast));
    form.N4->trigger();
    QCOMPARE(messages(form), (QStringList{"old", "yesterday"}));
    form.N4->trigger();
    QCOMPARE(messages(form), (QStringList{"yesterday", "old"}));
    form.N4->trigger();
    QCOMPARE(messages(form), (QStringList{"old", "yesterday"}));

    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterToday));
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"})); // file order after a refresh
    form.N5->trigger();
    QCOMPARE(messages(form), (QStringList{"today-early", "today-late"}));
    form.N5->trigger();
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));
}

void TestRecords::headerSwitch()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    QVERIFY(!form.RzListView1->headerShown());
    QVERIFY(!form.N3->isChecked());
    form.N3->trigger();
    QVERIFY(form.RzListView1->headerShown());
    QVERIFY(form.N3->isChecked());
    form.N3->trigger();
    QVERIFY(!form.RzListView1->headerShown());
    QVERIFY(!form.N3->isChecked());
}

void TestRecords::badDateKeepsEveryRecord()
{
    WindowFixture fixture;
    const QByteArray diary = DiaryRecordBytes("03.02.2004", "09:00", "first") +
                             DiaryRecordBytes("31.02.2004", "09:00", "impossible") +
                             DiaryRecordBytes("03.02.2004", "10:00", "after");
    fixture.writeFile(QStringLiteral("tolvik.dat"), diary);
    TForm1 &form = fixture.startShown();

    QTRY_COMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(QStringLiteral("'31.02.2004'")));
    QCOMPARE(int(form.UnvisibleList.size()), 3);
    QVERIFY(form.UnvisibleList[1].reversdate.isEmpty());
    QCOMPARE(form.UnvisibleList[2].reversdate, QStringLiteral("2004.02.0310:00"));
    QCOMPARE(messages(form), (QStringList{"first", "after"}));

    // The same diary again does not ask twice; the past view leaves it out.
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterPast));
    QTest::qWait(20);
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(messages(form).isEmpty());

    // A rewrite keeps every record, the bad one included, in order.
    QVERIFY(form.WriteUnvisibleListToFile());
    QCOMPARE(fixture.readFile(QStringLiteral("tolvik.dat")), diary);
}

void TestRecords::writeFailureShowsError()
{
    WindowFixture fixture;
    TForm1 &form = fixture.startShown();
    // A directory where the diary should be: no write can replace it.
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("tolvik.dat")));
    form.UnvisibleList.push_back({"03.02.2004", "09:00", "m", "(null)", "0000000000", {}});
    QVERIFY(!form.WriteUnvisibleListToFile());
    // The window is up: the box comes at once, over it.
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QCOMPARE(fixture.fakes.messageBox.parentShown, QList<bool>{true});
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(QStringLiteral("tolvik.dat")));
    QVERIFY(QFileInfo(fixture.path(QStringLiteral("tolvik.dat"))).isDir());
}

// A diary that is there but cannot be read is not an empty diary: the list
// shows nothing, every write is refused with its reason, and a later refresh
// that reads it lets writes through again.
void TestRecords::unreadableDiaryIsNeverWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("fifo") << QStringLiteral("fifo");
    QTest::newRow("link to /dev/zero") << QStringLiteral("devzero");
}

void TestRecords::unreadableDiaryIsNeverWritten()
{
    QFETCH(QString, kind);
    WindowFixture fixture;
    const QString diary = fixture.path(QStringLiteral("tolvik.dat"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("tolvik.dat")));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(diary).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), diary));
    TForm1 &form = fixture.startShown();
    QVERIFY(form.diaryReadFailed());
    QCOMPARE(form.recordModel()->rowCount(), 0);
    QTRY_COMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(QStringLiteral("Cannot read")));

    form.UnvisibleList.push_back({"03.02.2004", "09:00", "m", "(null)", "0000000000", {}});
    QVERIFY(!form.WriteUnvisibleListToFile());
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 2);
    QVERIFY(fixture.fakes.messageBox.errors.last().contains(QStringLiteral("tolvik.dat")));
    const QFileInfo left(diary);
    QVERIFY(left.isDir() || left.isSymLink() || !left.isFile());

    // Put right, the next refresh reads it and writes go through again.
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(diary).removeRecursively());
    else
        QVERIFY(QFile::remove(diary));
    fixture.writeFile(QStringLiteral("tolvik.dat"), DiaryRecordBytes("03.02.2004", "09:00"));
    form.ListUpdate();
    QVERIFY(!form.diaryReadFailed());
    QCOMPARE(form.recordModel()->rowCount(), 1);
    QVERIFY(form.WriteUnvisibleListToFile());
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 2);
}

void TestRecords::rewriteReproducesFile()
{
    WindowFixture fixture;
    const QByteArray diary =
        sampleDiary() + DiaryRecordBytes("05.02.2004", "00:00", "\xcf\xee\xe7\xe2\xee\xed\xe8\xf2\xfc",
                                         "/home/anna/\xf4\xe0\xe9\xeb.sh", "1100000000");
    fixture.writeFile(QStringLiteral("tolvik.dat"), diary);
    TForm1 &form = fixture.start();
    QVERIFY(form.WriteUnvisibleListToFile());
    QCOMPARE(fixture.readFile(QStringLiteral("tolvik.dat")), diary);
    // Only the date written another way was reported, once.
    form.ShowPendingErrors();
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(QStringLiteral("'2004-02-03'")));
}

void TestRecords::longCellShowsItsStart_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("shown");
    QTest::newRow("short message whole") << 300 << 300;
    QTest::newRow("1,000 characters whole") << 1000 << 1000;
    QTest::newRow("1,001 characters cut") << 1001 << 1000;
    QTest::newRow("a message of two megabytes cut") << (2 << 20) << 1000;
}

void TestRecords::longCellShowsItsStart()
{
    QFETCH(int, length);
    QFETCH(int, shown);
    QByteArray message(length, 'm');
    message[0] = 'A'; // the start is what shows
    WindowFixture fixture;
    const QByteArray diary = DiaryRecordBytes("03.02.2004", "09:00", message.constData());
    fixture.writeFile(QStringLiteral("tolvik.dat"), diary);
    TForm1 &form = fixture.start();

    const QAbstractItemModel *model = form.RzListView1->model();
    QVERIFY(model);
    const QString cell = model->data(model->index(0, diary::ColMsg)).toString();
    QCOMPARE(cell.size(), shown);
    QCOMPARE(cell, QString::fromLatin1(message.left(shown)));
    const QAbstractItemModel *hidden = form.RzListView3->model();
    QVERIFY(hidden);
    QCOMPARE(hidden->data(hidden->index(0, diary::ColMsg)).toString().size(), shown);
    // The list's data and the file keep the whole text.
    QCOMPARE(form.UnvisibleList.at(0).msg.size(), length);
    QVERIFY(form.WriteUnvisibleListToFile());
    QCOMPARE(fixture.readFile(QStringLiteral("tolvik.dat")), diary);
}

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
