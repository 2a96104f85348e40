#include <QAction>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>

#include "WindowFixture.h"
#include "widgets/BitmapButton.h"
#include "widgets/ReportList.h"

// The phone book on its page: read, add, sort, delete and the type-ahead echo.
class TestPhones : public QObject {
    Q_OBJECT

private slots:
    void firstReadCreatesEmptyFile();
    void addWritesThreeLines();
    void addRefusedBeforeRead();
    void sortThreeTimes_data();
    void sortThreeTimes();
    void sortThenAddKeepsDisplayOrder();
    void deleteBehindQuestion_data();
    void deleteBehindQuestion();
    void echoGathersAndClears();
    void headerSwitch();
    void failedWriteShowsTheFile();
};

namespace {

QByteArray Cp1251(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes += c.unicode() < 0x80 ? char(c.unicode()) : char(c.unicode() - 0x410 + 0xC0);
    return bytes;
}

QByteArray Entry(const char *name, const char *address = "(null)")
{
    return QByteArray(name) + "\r\n__-__-__ /  __-__-__ /  _-___-____-___\r\n" + address + "\r\n";
}

// The list's cells of one column, top to bottom.
QStringList Column(const TForm1 &form, int column)
{
    QStringList cells;
    const QAbstractItemModel *model = form.RzListView2->model();
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

} // namespace

void TestPhones::firstReadCreatesEmptyFile()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    QVERIFY(!form.RzEdit3->isEnabled());
    form.RzBmpButton7->click();
    QVERIFY(QFile::exists(fixture.path(QStringLiteral("phones.dat"))));
    QCOMPARE(QFileInfo(fixture.path(QStringLiteral("phones.dat"))).size(), 0);
    QCOMPARE(form.RzListView2->model()->rowCount(), 0);
    QVERIFY(form.RzEdit3->isEnabled());
}

void TestPhones::addWritesThreeLines()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("phones.dat"), Entry("first"));
    TForm1 &form = fixture.startShown();
    form.PageControl1->setCurrentIndex(5);
    form.RzBmpButton7->click();
    form.RzEdit3->setText(QStringLiteral("Иванов"));
    form.LMDMaskEdit1->setFocus();
    form.LMDMaskEdit1->home(false);
    QTest::keyClicks(form.LMDMaskEdit1, QStringLiteral("123456"));
    QVERIFY(form.RzBmpButton8->isEnabled());
    form.RzBmpButton8->click();
    QCOMPARE(fixture.readFile(QStringLiteral("phones.dat")),
             Entry("first") + Cp1251(QStringLiteral("Иванов")) +
                 "\r\n12-34-56 /  __-__-__ /  _-___-____-___\r\n(null)\r\n");
    QCOMPARE(form.RzEdit3->text(), QString());
    QCOMPARE(form.LMDMaskEdit1->displayText(), QStringLiteral("__-__-__"));
    QCOMPARE(form.LMDMaskEdit2->displayText(), QStringLiteral("_-___-____-___"));
    QVERIFY(!form.RzBmpButton8->isEnabled());
    QCOMPARE(Column(form, 0), QStringList({QStringLiteral("first"), QStringLiteral("Иванов")}));
}

void TestPhones::addRefusedBeforeRead()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("phones.dat"), Entry("kept"));
    TForm1 &form = fixture.startShown();
    form.PageControl1->setCurrentIndex(5);
    form.RzListView2->setFocus();
    QTest::keyClicks(form.RzListView2, QStringLiteral("x"));
    QVERIFY(form.RzBmpButton8->isEnabled());
    form.RzBmpButton8->click();
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QCOMPARE(fixture.readFile(QStringLiteral("phones.dat")), Entry("kept"));
}

void TestPhones::sortThreeTimes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ascending");
    QTest::addColumn<QStringList>("descending");
    QTest::newRow("names, a-z as A-Z") << Entry("ABD") + Entry("(null)") + Entry("abc") << 0
                                       << QStringList{"abc", "ABD", ""} << QStringList{"", "ABD", "abc"};
    QTest::newRow("Cyrillic by code") << Cp1251(QStringLiteral("Б\r\n1\r\nx\r\nа\r\n2\r\ny\r\nА\r\n3\r\nz\r\n")) << 0
                                      << QStringList{"А", "Б", "а"} << QStringList{"а", "Б", "А"};
    QTest::newRow("empty address last") << Entry("one", "(null)") + Entry("two", "b") + Entry("three", "a") << 2
                                        << QStringList{"a", "b", ""} << QStringList{"", "b", "a"};
}

void TestPhones::sortThreeTimes()
{
    QFETCH(QByteArray, file);
    QFETCH(int, column);
    QFETCH(QStringList, ascending);
    QFETCH(QStringList, descending);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("phones.dat"), file);
    TForm1 &form = fixture.start();
    form.RzBmpButton7->click();
    QAction *sort = column == 0 ? form.N8 : column == 1 ? form.N9 : form.N10;
    sort->trigger();
    QCOMPARE(Column(form, column), ascending);
    sort->trigger();
    QCOMPARE(Column(form, column), descending);
    sort->trigger();
    QCOMPARE(Column(form, column), ascending);
    // Sorting changes the display only; reading shows the file's order again.
    QCOMPARE(fixture.readFile(QStringLiteral("phones.dat")), file);
}

void TestPhones::sortThenAddKeepsDisplayOrder()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("phones.dat"), Entry("b") + Entry("a"));
    TForm1 &form = fixture.start();
    form.RzBmpButton7->click();
    form.N8->trigger();
    form.RzEdit3->setText(QStringLiteral("0"));
    form.RzBmpButton8->click();
    QCOMPARE(fixture.readFile(QStringLiteral("phones.dat")), Entry("a") + Entry("b") + Entry("0"));
}

void TestPhones::deleteBehindQuestion_data()
{
    QTest::addColumn<int>("selectedRow"); // -1: none
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("no selection") << -1 << true << 0 << Entry("a") + Entry("b");
    QTest::newRow("answered No") << 1 << false << 1 << Entry("a") + Entry("b");
    QTest::newRow("answered Yes") << 0 << true << 1 << Entry("b");
}

void TestPhones::deleteBehindQuestion()
{
    QFETCH(int, selectedRow);
    QFETCH(bool, yes);
    QFETCH(int, questions);
    QFETCH(QByteArray, left);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("phones.dat"), Entry("a") + Entry("b"));
    fixture.fakes.messageBox.setNextAnswer(yes ? MessageBox::Yes : MessageBox::No);
    TForm1 &form = fixture.start();
    form.RzBmpButton7->click();
    if (selectedRow >= 0)
        form.RzListView2->selectRow(selectedRow);
    form.N11->trigger();
    QCOMPARE(fixture.fakes.messageBox.questions.size(), questions);
    if (questions)
        QVERIFY(fixture.fakes.messageBox.questions.first().endsWith(QStringLiteral("|Delete this entry?")));
    QCOMPARE(fixture.readFile(QStringLiteral("phones.dat")), left);
    QCOMPARE(form.RzListView2->model()->rowCount(), left.count("\r\n") / 3);
}

void TestPhones::echoGathersAndClears()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("phones.dat"), Entry("apple") + Entry("bean") + Entry("berry"));
    TForm1 &form = fixture.startShown();
    form.PageControl1->setCurrentIndex(5);
    form.RzBmpButton7->click();
    form.RzListView2->setFocus();
    QTest::keyClick(form.RzListView2, 'b');
    QTest::qWait(300);
    QTest::keyClick(form.RzListView2, 'e');
    QTest::keyClick(form.RzListView2, 'r');
    QCOMPARE(form.RzEdit3->text(), QStringLiteral("ber"));
    QVERIFY(form.Timer3->isActive());
    QCOMPARE(form.RzListView2->currentIndex().row(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(form.RzEdit3->text().isEmpty(), 2000);
    QVERIFY(!form.Timer3->isActive());
}

void TestPhones::headerSwitch()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    QVERIFY(!form.RzListView2->headerShown());
    form.N7->trigger();
    QVERIFY(form.RzListView2->headerShown());
    QVERIFY(form.N7->isChecked());
    form.N7->trigger();
    QVERIFY(!form.RzListView2->headerShown());
    QVERIFY(!form.N7->isChecked());
}

void TestPhones::failedWriteShowsTheFile()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("phones.dat"), Entry("a"));
    TForm1 &form = fixture.start();
    form.RzBmpButton7->click();
    // The file turns into a folder: the rewrite fails and the list shows what is stored.
    QVERIFY(QFile::remove(fixture.path(QStringLiteral("phones.dat"))));
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("phones.dat")));
    form.RzEdit3->setText(QStringLiteral("lost"));
    form.RzBmpButton8->click();
    QVERIFY(!fixture.fakes.messageBox.errors.isEmpty());
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(fixture.path(QStringLiteral("phones.dat"))));
    QVERIFY(!Column(form, 0).contains(QStringLiteral("lost")));
}

QTEST_MAIN(TestPhones)
#include "tst_phones.moc"
