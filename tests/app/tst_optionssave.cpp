#include <QLabel>
#include <QtTest>

#include "Palette.h"
#include "WindowFixture.h"
#include "widgets/BitmapButton.h"
#include "widgets/GlyphCheckBox.h"

// The Options page's check boxes as the user toggles them, and the save.
class TestOptionsSave : public QObject {
    Q_OBJECT

private slots:
    void saveWritesThePage_data();
    void saveWritesThePage();
    void stayOnTopAtOnce();
    void failedSessionEntryKeepsSaveEnabled();
    void failedOptionsFileChangesNothing();
};

namespace {

void ClickBoxes(TForm1 &form, const QString &names)
{
    for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        auto *box = form.findChild<GlyphCheckBox *>(name);
        QVERIFY2(box, qPrintable(name));
        box->click();
    }
}

} // namespace

void TestOptionsSave::saveWritesThePage_data()
{
    QTest::addColumn<QByteArray>("ini"); // "none": no file
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<bool>("box5Enabled");
    QTest::addColumn<bool>("box5Mark");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("session");
    // clang-format off
    QTest::newRow("default page")              << QByteArray("none")  << "LMDCheckBox2 LMDCheckBox2" << true  << false << QByteArray("10110") << false;
    QTest::newRow("box 5 checked")             << QByteArray("10110") << "LMDCheckBox5"              << true  << true  << QByteArray("20110") << false;
    QTest::newRow("box 1 off keeps 5's mark")  << QByteArray("20110") << "LMDCheckBox1"              << false << true  << QByteArray("00110") << false;
    QTest::newRow("box 1 on again")            << QByteArray("20110") << "LMDCheckBox1 LMDCheckBox1" << true  << true  << QByteArray("20110") << false;
    QTest::newRow("no language selected")      << QByteArray("10190") << "LMDCheckBox6"              << true  << false << QByteArray("10101") << false;
    QTest::newRow("click, top, black, Russian") << QByteArray("00000") << "LMDCheckBox2 LMDCheckBox3 LMDCheckBox6" << false << false << QByteArray("01101") << false;
    QTest::newRow("start with session")        << QByteArray("10110") << "LMDCheckBox4"              << true  << false << QByteArray("10110") << true;
    // clang-format on
}

void TestOptionsSave::saveWritesThePage()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, clicks);
    QFETCH(bool, box5Enabled);
    QFETCH(bool, box5Mark);
    QFETCH(QByteArray, saved);
    QFETCH(bool, session);
    WindowFixture fixture;
    if (ini != "none")
        fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    TForm1 &form = fixture.start();
    QVERIFY(!form.RzBmpButton2->isEnabled());

    ClickBoxes(form, clicks);
    QCOMPARE(form.LMDCheckBox5->isEnabled(), box5Enabled);
    QCOMPARE(form.LMDCheckBox5->isChecked(), box5Mark);
    QVERIFY(form.RzBmpButton2->isEnabled());

    form.RzBmpButton2->click();
    QCOMPARE(fixture.readFile(QStringLiteral("tolvik.ini")), saved);
    QCOMPARE(fixture.fakes.startWithSession.enabled, session);
    QVERIFY(!form.RzBmpButton2->isEnabled());
    QVERIFY(fixture.fakes.messageBox.errors.isEmpty());
}

void TestOptionsSave::stayOnTopAtOnce()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    QVERIFY(form.staysOnTop());
    form.LMDCheckBox3->click();
    QVERIFY(!form.staysOnTop());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(form.Label25->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    form.LMDCheckBox3->click();
    QVERIFY(form.staysOnTop());
    QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(form.Label25->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Nothing is saved by the toggles themselves.
    QVERIFY(!QFile::exists(fixture.path(QStringLiteral("tolvik.ini"))));
}

void TestOptionsSave::failedSessionEntryKeepsSaveEnabled()
{
    WindowFixture fixture;
    fixture.fakes.startWithSession.failWith = QStringLiteral("No space left on device");
    TForm1 &form = fixture.start();
    form.LMDCheckBox4->click();
    form.RzBmpButton2->click();
    QCOMPARE(fixture.readFile(QStringLiteral("tolvik.ini")), QByteArray("10110"));
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().endsWith(
        QStringLiteral("Failed to set data for 'Tolvik': No space left on device")));
    QVERIFY(form.RzBmpButton2->isEnabled());
}

void TestOptionsSave::failedOptionsFileChangesNothing()
{
    WindowFixture fixture;
    // A folder in the file's place: the options read fails and no save can replace it.
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("tolvik.ini")));
    TForm1 &form = fixture.start();
    fixture.fakes.messageBox.errors.clear();
    form.LMDCheckBox4->click();
    form.RzBmpButton2->click();
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(fixture.path(QStringLiteral("tolvik.ini"))));
    QVERIFY(QFileInfo(fixture.path(QStringLiteral("tolvik.ini"))).isDir());
    QVERIFY(!fixture.fakes.startWithSession.enabled);
    QVERIFY(form.RzBmpButton2->isEnabled());
}

QTEST_MAIN(TestOptionsSave)
#include "tst_optionssave.moc"
