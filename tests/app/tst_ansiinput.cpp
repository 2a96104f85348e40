#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "WindowFixture.h"
#include "widgets/FlatControls.h"

// Types text as a keyboard would, one character (code point) a key press.
void Type(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

// The text boxes that feed the files keep only what Windows-1251 can hold.
class TestAnsiInput : public QObject {
    Q_OBJECT

private slots:
    void editReplacesAsTyped_data();
    void editReplacesAsTyped();
    void notepadReplacesTypedAndPasted();
};

void TestAnsiInput::editReplacesAsTyped_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("message") << "RzEdit1";
    QTest::newRow("phone name") << "RzEdit3";
    QTest::newRow("phone address") << "RzEdit4";
}

void TestAnsiInput::editReplacesAsTyped()
{
    QFETCH(QString, field);
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    auto *edit = form.findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->setEnabled(true);
    edit->setFocus();
    Type(edit, QStringLiteral("Жa€😀éb"));
    QCOMPARE(edit->text(), QStringLiteral("Жa€??b"));
    QCOMPARE(edit->cursorPosition(), 6);
}

void TestAnsiInput::notepadReplacesTypedAndPasted()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    QPlainTextEdit *memo = form.Memo4;
    Type(memo, QStringLiteral("abc"));
    memo->insertPlainText(QStringLiteral("\nx😀y日"));
    QTRY_COMPARE(memo->toPlainText(), QStringLiteral("abc\nx?y?"));
    Type(memo, QStringLiteral("z"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("abc\nx?y?z"));
}

QTEST_MAIN(TestAnsiInput)
#include "tst_ansiinput.moc"
