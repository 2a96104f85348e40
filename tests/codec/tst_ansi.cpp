#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include "codec/Ansi.h"

class TestAnsi : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesRoundTrip();
    void decodingMatchesQtConverter();
    void encodingMatchesQtConverter();
    void knownCharacters_data();
    void knownCharacters();
    void unrepresentableBecomesQuestionMark_data();
    void unrepresentableBecomesQuestionMark();
    void keepAnsiOnly_data();
    void keepAnsiOnly();
};

// A file's bytes must come back unchanged after a read and a rewrite, so the
// 256 bytes decode to 256 different characters that encode back to them.
void TestAnsi::everyByteSurvivesRoundTrip()
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);

    const QString text = codec::FromAnsi(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(codec::ToAnsi(text), all);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    for (int i = 0; i < 128; ++i)
        QCOMPARE(text.at(i).unicode(), char16_t(i));
    for (QChar c : text)
        QVERIFY(codec::IsAnsiRepresentable(c));
}

// The program carries its own table; Qt's converter (ICU) is the reference.
void TestAnsi::decodingMatchesQtConverter()
{
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        QSKIP("this Qt has no Windows-1251 converter");
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        const QString expected = decoder(byte);
        QVERIFY2(!decoder.hasError(), qPrintable(QString::number(b, 16)));
        QCOMPARE(codec::FromAnsi(byte), expected);
    }
}

// Every character of the first plane: the ones Qt can encode are exactly the
// ones the table holds, each to the same byte.
void TestAnsi::encodingMatchesQtConverter()
{
    if (!QStringEncoder("windows-1251").isValid())
        QSKIP("this Qt has no Windows-1251 converter");
    int held = 0;
    for (int u = 0; u < 0x10000; ++u) {
        const QChar c{char16_t(u)};
        if (c.isSurrogate())
            continue;
        const QString one(c);
        QStringEncoder single("windows-1251");
        const QByteArray expected = single(one);
        const bool qtHolds = !single.hasError();
        const QString where = QStringLiteral("U+%1").arg(u, 4, 16, QLatin1Char('0'));
        QVERIFY2(codec::IsAnsiRepresentable(c) == qtHolds, qPrintable(where));
        if (qtHolds) {
            ++held;
            QVERIFY2(codec::ToAnsi(one) == expected, qPrintable(where));
        }
    }
    QCOMPARE(held, 256);
}

void TestAnsi::knownCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Позвонить") << QStringLiteral("Позвонить") << QByteArray("\xcf\xee\xe7\xe2\xee\xed\xe8\xf2\xfc");
    QTest::newRow("А and я, ends of the alphabet") << QStringLiteral("Ая") << QByteArray("\xc0\xff");
    QTest::newRow("Ё and ё, outside the alphabet block") << QStringLiteral("Ёё") << QByteArray("\xa8\xb8");
    QTest::newRow("number sign and euro") << QStringLiteral("№€") << QByteArray("\xb9\x88");
    QTest::newRow("ASCII path unchanged") << QStringLiteral("C:\\a b.exe") << QByteArray("C:\\a b.exe");
    QTest::newRow("NUL kept") << QString(QChar(0)) << QByteArray(1, '\0');
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestAnsi::knownCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(codec::ToAnsi(text), bytes);
    QCOMPARE(codec::FromAnsi(bytes), text);
}

void TestAnsi::unrepresentableBecomesQuestionMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("CJK") << QStringLiteral("Call 日本") << QByteArray("Call ??");
    QTest::newRow("Latin with accent") << QStringLiteral("café") << QByteArray("caf?");
    QTest::newRow("Ukrainian ї is held, Greek λ is not") << QStringLiteral("їλ") << QByteArray("\xbf?");
    QTest::newRow("emoji, one ? for the character") << QStringLiteral("a😀b") << QByteArray("a?b");
}

void TestAnsi::unrepresentableBecomesQuestionMark()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(codec::ToAnsi(text), bytes);
}

void TestAnsi::keepAnsiOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("Cyrillic unchanged") << QStringLiteral("Позвонить маме") << QStringLiteral("Позвонить маме");
    QTest::newRow("foreign letters replaced") << QStringLiteral("café 日本") << QStringLiteral("caf? ??");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("a character beyond the first plane is one mark") << QStringLiteral("a😀b") << QStringLiteral("a?b");
    QTest::newRow("a lone surrogate is one mark") << QString(QChar(0xD83D)) << QStringLiteral("?");
    QTest::newRow("euro and numero sign kept") << QStringLiteral("€ №") << QStringLiteral("€ №");
}

// What the field shows after KeepAnsiOnly is exactly what the file stores.
void TestAnsi::keepAnsiOnly()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const QString result = codec::KeepAnsiOnly(typed);
    QCOMPARE(result, kept);
    QCOMPARE(codec::FromAnsi(codec::ToAnsi(result)), result);
    QCOMPARE(codec::ToAnsi(typed), codec::ToAnsi(result));
}

QTEST_APPLESS_MAIN(TestAnsi)
#include "tst_ansi.moc"
