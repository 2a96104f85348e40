#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "RecordTableModel.h"
#include "WindowFixture.h"
#include "widgets/FlatControls.h"
#include "widgets/ReportList.h"

// The Records page over a real diary file in a temporary program folder.
// The fake clock says 3 February 2004, 10:00.
class TestRecordList : public QObject {
    Q_OBJECT

private slots:
    void filters_data();
    void filters();
    void byDatePicker();
    void sortCommands();
    void headerSwitch();
    void badDateKeepsEveryRecord();
    void writeFailureShowsError();
    void rewriteReproducesFile();

private:
    static QByteArray sampleDiary();
    static QStringList messages(const TForm1 &form);
    static void chooseFilter(TForm1 &form, int index);
};

QByteArray TestRecordList::sampleDiary()
{
    return DiaryRecordBytes("03.02.2004", "09:05", "today-late") + DiaryRecordBytes("04.02.2004", "08:00", "tomorrow") +
           DiaryRecordBytes("02.02.2004", "23:59", "yesterday") +
           DiaryRecordBytes("03.02.2004", "07:30", "today-early") +
           DiaryRecordBytes("2004-02-03", "07:00", "other-format") + DiaryRecordBytes("01.01.2003", "12:00", "old");
}

QStringList TestRecordList::messages(const TForm1 &form)
{
    QStringList result;
    for (const diary::VisibleRow &row : form.recordModel()->rows())
        result << row.msg;
    return result;
}

void TestRecordList::chooseFilter(TForm1 &form, int index)
{
    form.RzLineComboBox1->setCurrentIndex(index);
    form.RzLineComboBox1Change();
}

void TestRecordList::filters_data()
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

void TestRecordList::filters()
{
    QFETCH(int, index);
    QFETCH(QStringList, shown);
    QFETCH(bool, pickerEnabled);
    QFETCH(bool, sortByDateEnabled);

    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.start();
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));

    chooseFilter(form, index);
    QCOMPARE(messages(form), shown);
    QCOMPARE(form.Label22->text(), QString::number(shown.size()));
    QCOMPARE(form.RzDateTimePicker4->isEnabled(), pickerEnabled);
    QCOMPARE(form.N4->isEnabled(), sortByDateEnabled);
    QCOMPARE(int(form.UnvisibleList.size()), 6);
}

void TestRecordList::byDatePicker()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.start();
    chooseFilter(form, diary::FilterByDate);
    // The user picks yesterday: the list follows at once.
    form.RzDateTimePicker4->setDate(QDate(2004, 2, 2));
    QCOMPARE(messages(form), QStringList{"yesterday"});
    // "today" moves the picker back and disables it; "by date" keeps today then.
    chooseFilter(form, diary::FilterToday);
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 3));
    QVERIFY(!form.RzDateTimePicker4->isEnabled());
    chooseFilter(form, diary::FilterByDate);
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 3));
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));
    chooseFilter(form, diary::FilterTomorrow);
    QCOMPARE(form.RzDateTimePicker4->date(), QDate(2004, 2, 4));
}

void TestRecordList::sortCommands()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), sampleDiary());
    TForm1 &form = fixture.start();
    chooseFilter(form, diary::FilterPast);
    form.N4->trigger();
    QCOMPARE(messages(form), (QStringList{"old", "yesterday"}));
    form.N4->trigger();
    QCOMPARE(messages(form), (QStringList{"yesterday", "old"}));
    form.N4->trigger();
    QCOMPARE(messages(form), (QStringList{"old", "yesterday"}));

    chooseFilter(form, diary::FilterToday);
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"})); // file order after a refresh
    form.N5->trigger();
    QCOMPARE(messages(form), (QStringList{"today-early", "today-late"}));
    form.N5->trigger();
    QCOMPARE(messages(form), (QStringList{"today-late", "today-early"}));
}

void TestRecordList::headerSwitch()
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

void TestRecordList::badDateKeepsEveryRecord()
{
    WindowFixture fixture;
    const QByteArray diary = DiaryRecordBytes("03.02.2004", "09:00", "first") +
                             DiaryRecordBytes("31.02.2004", "09:00", "impossible") +
                             DiaryRecordBytes("03.02.2004", "10:00", "after");
    fixture.writeFile(QStringLiteral("tolvik.dat"), diary);
    TForm1 &form = fixture.start();

    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(QStringLiteral("31.02.2004")));
    QCOMPARE(int(form.UnvisibleList.size()), 3);
    QVERIFY(form.UnvisibleList[1].reversdate.isEmpty());
    QCOMPARE(form.UnvisibleList[2].reversdate, QStringLiteral("2004.02.0310:00"));
    QCOMPARE(messages(form), (QStringList{"first", "after"}));

    // The same diary again does not ask twice; the past view leaves it out.
    chooseFilter(form, diary::FilterPast);
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(messages(form).isEmpty());

    // A rewrite keeps every record, the bad one included, in order.
    QVERIFY(form.WriteUnvisibleListToFile());
    QCOMPARE(fixture.readFile(QStringLiteral("tolvik.dat")), diary);
}

void TestRecordList::writeFailureShowsError()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    // A directory where the diary should be: no write can replace it.
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("tolvik.dat")));
    form.UnvisibleList.push_back({"03.02.2004", "09:00", "m", "(null)", "0000000000", {}});
    QVERIFY(!form.WriteUnvisibleListToFile());
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(QStringLiteral("tolvik.dat")));
    QVERIFY(QFileInfo(fixture.path(QStringLiteral("tolvik.dat"))).isDir());
}

void TestRecordList::rewriteReproducesFile()
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
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(QStringLiteral("2004-02-03")));
}

QTEST_MAIN(TestRecordList)
#include "tst_recordlist.moc"
