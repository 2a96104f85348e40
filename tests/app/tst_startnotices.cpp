#include <QtTest>

#include "StartNotices.h"
#include "WindowFixture.h"

Q_DECLARE_METATYPE(i18n::Language)

// The boxes around the window's start speak the window's language.
class TestStartNotices : public QObject {
    Q_OBJECT

private slots:
    void startLanguageIsTheWindows_data();
    void startLanguageIsTheWindows();
    void readOnlyFolderNotice_data();
    void readOnlyFolderNotice();
};

void TestStartNotices::startLanguageIsTheWindows_data()
{
    QTest::addColumn<QByteArray>("ini"); // "none": no file
    QTest::addColumn<i18n::Language>("language");
    QTest::newRow("no options file") << QByteArray("none") << i18n::English;
    QTest::newRow("empty options file") << QByteArray("") << i18n::English;
    QTest::newRow("English") << QByteArray("00110") << i18n::English;
    QTest::newRow("Russian") << QByteArray("00100") << i18n::Russian;
    QTest::newRow("unknown language character") << QByteArray("00170") << i18n::Russian;
    QTest::newRow("short line") << QByteArray("000") << i18n::English;
}

// Before the window exists, the language is the one it would take.
void TestStartNotices::startLanguageIsTheWindows()
{
    QFETCH(QByteArray, ini);
    QFETCH(i18n::Language, language);
    WindowFixture fixture;
    if (ini != "none")
        fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    QCOMPARE(StartLanguage(fixture.folder.path()), language);
    QCOMPARE(fixture.start().UiLanguage, language);
}

void TestStartNotices::readOnlyFolderNotice_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("box");
    QTest::newRow("English") << QByteArray("00110")
                             << "Error|The folder \"/media/cd/Tolvik\" cannot be written: the records are shown, "
                                "but no change will be saved.";
    QTest::newRow("Russian") << QByteArray("00100")
                             << "Ошибка|В папку \"/media/cd/Tolvik\" нельзя записать: записи показаны, но изменения "
                                "не сохранятся.";
}

void TestStartNotices::readOnlyFolderNotice()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, box);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    TForm1 &form = fixture.start();
    QVERIFY(fixture.fakes.messageBox.errors.isEmpty());
    ShowReadOnlyFolderNotice(form, fixture.fakes.messageBox, QStringLiteral("/media/cd/Tolvik"));
    QCOMPARE(fixture.fakes.messageBox.errors, QStringList{box});
}

QTEST_MAIN(TestStartNotices)
#include "tst_startnotices.moc"
