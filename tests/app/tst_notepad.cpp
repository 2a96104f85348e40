#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest>

#include "WindowFixture.h"
#include "widgets/BitmapButton.h"

// The note loaded at start, and saved by the button or a double click.
class TestNotepad : public QObject {
    Q_OBJECT

private slots:
    void noteLoad_data();
    void noteLoad();
    void saveByButton_data();
    void saveByButton();
    void doubleClickSavesAndShowsRecords();
    void unloadedNoteIsNeverSavedOver();
    void failedSaveKeepsTextAndButton();
};

void TestNotepad::noteLoad_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("saveEnabled");
    QTest::newRow("no note file") << false << QByteArray() << QString() << true;
    QTest::newRow("empty note file") << true << QByteArray() << QString() << false;
    QTest::newRow("CR LF lines") << true << QByteArray("abc\r\ndef") << QStringLiteral("abc\ndef") << false;
    QTest::newRow("LF only, Cyrillic") << true << QByteArray("\xcf\xf0\xe8\n\xe2\xe5\xf2") << QStringLiteral("При\nвет")
                                       << false;
}

void TestNotepad::noteLoad()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, saveEnabled);
    WindowFixture fixture;
    if (exists)
        fixture.writeFile(QStringLiteral("note.txt"), bytes);
    TForm1 &form = fixture.start();
    QCOMPARE(form.Memo4->toPlainText(), text);
    QCOMPARE(form.RzBmpButton3->isEnabled(), saveEnabled);
}

void TestNotepad::saveByButton_data()
{
    QTest::addColumn<QByteArray>("file"); // "none": no note file
    QTest::addColumn<QString>("typed");   // '|' is the Enter key
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("abc Enter def") << QByteArray("none") << QStringLiteral("abc|def") << QByteArray("abc\r\ndef");
    QTest::newRow("empty text") << QByteArray("none") << QString() << QByteArray();
    QTest::newRow("LF-only file") << QByteArray("a\nb\rc") << QStringLiteral("d") << QByteArray("a\r\nb\r\ncd");
    QTest::newRow("ends with Enter") << QByteArray("none") << QStringLiteral("z|") << QByteArray("z\r\n");
}

void TestNotepad::saveByButton()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    WindowFixture fixture;
    if (file != "none")
        fixture.writeFile(QStringLiteral("note.txt"), file);
    TForm1 &form = fixture.startShown();
    form.PageControl1->setCurrentIndex(4);
    form.Memo4->setFocus();
    form.Memo4->moveCursor(QTextCursor::End);
    for (QChar key : typed) {
        if (key == u'|')
            QTest::keyClick(form.Memo4, Qt::Key_Return);
        else
            QTest::keyClicks(form.Memo4, QString(key));
    }
    QVERIFY(form.RzBmpButton3->isEnabled());
    form.RzBmpButton3->setFocus();
    form.RzBmpButton3->click();
    QCOMPARE(fixture.readFile(QStringLiteral("note.txt")), saved);
    QVERIFY(QFile::exists(fixture.path(QStringLiteral("note.txt"))));
    QVERIFY(!form.RzBmpButton3->isEnabled());
    QVERIFY(form.Memo4->hasFocus());
    // Any edit after the save enables the button again.
    QTest::keyClicks(form.Memo4, QStringLiteral("x"));
    QVERIFY(form.RzBmpButton3->isEnabled());
}

void TestNotepad::doubleClickSavesAndShowsRecords()
{
    WindowFixture fixture;
    TForm1 &form = fixture.startShown();
    form.PageControl1->setCurrentIndex(4);
    QTest::keyClicks(form.Memo4, QStringLiteral("note"));
    QTest::mouseDClick(form.Memo4->viewport(), Qt::LeftButton);
    QCOMPARE(fixture.readFile(QStringLiteral("note.txt")), QByteArray("note"));
    QCOMPARE(form.PageControl1->currentIndex(), 0);
    QVERIFY(form.RzBmpButton3->isEnabled());
}

void TestNotepad::unloadedNoteIsNeverSavedOver()
{
    WindowFixture fixture;
    const QByteArray big(int(16 * 1024 * 1024 + 1), 'n');
    fixture.writeFile(QStringLiteral("note.txt"), big);
    TForm1 &form = fixture.start();
    form.ShowPendingErrors();
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    QVERIFY(form.Memo4->isReadOnly());
    QVERIFY(form.Memo4->toPlainText().isEmpty());
    form.RzBmpButton3->click();
    form.Memo4DblClick();
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 3);
    QCOMPARE(QFileInfo(fixture.path(QStringLiteral("note.txt"))).size(), big.size());
    QCOMPARE(form.PageControl1->currentIndex(), 0);
}

void TestNotepad::failedSaveKeepsTextAndButton()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    form.PageControl1->setCurrentIndex(4);
    form.Memo4->setPlainText(QStringLiteral("keep me"));
    // A folder in the note's place: the save cannot replace it.
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("note.txt")));
    form.RzBmpButton3->click();
    form.Memo4DblClick();
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 2);
    QVERIFY(fixture.fakes.messageBox.errors.first().contains(fixture.path(QStringLiteral("note.txt"))));
    QCOMPARE(form.Memo4->toPlainText(), QStringLiteral("keep me"));
    QVERIFY(form.RzBmpButton3->isEnabled());
    QCOMPARE(form.PageControl1->currentIndex(), 4);
}

QTEST_MAIN(TestNotepad)
#include "tst_notepad.moc"
