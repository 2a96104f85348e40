#include <QPlainTextEdit>
#include <QtTest>

#include "WindowFixture.h"
#include "widgets/BitmapButton.h"

// The note loaded at start.
class TestNotepad : public QObject {
    Q_OBJECT

private slots:
    void noteLoad_data();
    void noteLoad();
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

QTEST_MAIN(TestNotepad)
#include "tst_notepad.moc"
