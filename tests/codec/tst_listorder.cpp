#include <QTest>

#include "codec/Ansi.h"
#include "codec/ListOrder.h"

// The order every list of the program sorts by.
class TestListOrder : public QObject {
    Q_OBJECT
private slots:
    void compareCells_data();
    void compareCells();
    void orderCodeIsTheStoredByte();
    void sortedPositions_data();
    void sortedPositions();
    void sortMemory_data();
    void sortMemory();
};

void TestListOrder::compareCells_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order"); // sign of the result

    QTest::newRow("equal") << "09:05"
                           << "09:05" << 0;
    QTest::newRow("digits by value") << "09:05"
                                     << "10:00" << -1;
    QTest::newRow("a-z taken as A-Z") << "call mom"
                                      << "CALL MOM" << 0;
    QTest::newRow("folded letter before a later capital") << "a"
                                                          << "B" << -1;
    QTest::newRow("'_' after 'Z'") << "_"
                                   << "Z" << 1;
    QTest::newRow("'_' after folded 'a', though 'a' is above it in code") << "a"
                                                                          << "_" << -1;
    QTest::newRow("Cyrillic is not folded") << QStringLiteral("я") << QStringLiteral("Я") << 1;
    QTest::newRow("yo is not folded") << QStringLiteral("ё") << QStringLiteral("Ё") << 1;
    // Windows-1251 puts ё (B8) and Ё (A8) below the alphabet (C0-FF);
    // Unicode puts them above it.
    QTest::newRow("yo before a, by the code page") << QStringLiteral("ёж") << QStringLiteral("а") << -1;
    QTest::newRow("capital yo before capital a") << QStringLiteral("Ёлка") << QStringLiteral("Арка") << -1;
    QTest::newRow("Latin before Cyrillic") << QStringLiteral("zoo") << QStringLiteral("Азбука") << -1;
    QTest::newRow("numero sign (B9) between yo and a") << QStringLiteral("№") << QStringLiteral("а") << -1;
    QTest::newRow("a character the code page lacks compares as '?'") << QStringLiteral("日") << "?" << 0;
    QTest::newRow("shorter prefix first") << "2004.02"
                                          << "2004.02.03" << -1;
    QTest::newRow("longer after its prefix") << "abc"
                                             << "AB" << 1;
}

void TestListOrder::compareCells()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    const int result = codec::CompareCells(a, b);
    QCOMPARE((result > 0) - (result < 0), order);
    const int reverse = codec::CompareCells(b, a);
    QCOMPARE((reverse > 0) - (reverse < 0), -order);
}

// Over every UTF-16 unit outside the surrogates: the code a character sorts
// by is the byte the files store for it, a-z folded.
void TestListOrder::orderCodeIsTheStoredByte()
{
    for (int unit = 0; unit < 0x10000; ++unit) {
        const QChar c(static_cast<char16_t>(unit));
        if (c.isSurrogate())
            continue;
        const QByteArray stored = codec::ToAnsi(QStringView(&c, 1));
        QCOMPARE(stored.size(), 1);
        unsigned char expected = static_cast<unsigned char>(stored.at(0));
        if (expected >= 'a' && expected <= 'z')
            expected = static_cast<unsigned char>(expected - 'a' + 'A');
        if (codec::OrderCode(c) != expected)
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(unit, 4, 16, QLatin1Char('0'))));
    }
}

void TestListOrder::sortedPositions_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QList<int>>("order"); // positions in `cells`, sorted

    const QStringList keys{"2004.02.0309:05", "2003.01.1508:00", "", "2004.02.0300:00", "2004.02.0223:59", ""};
    QTest::newRow("ascending, empty cells last") << keys << true << QList<int>{1, 4, 3, 0, 2, 5};
    QTest::newRow("descending, empty cells first") << keys << false << QList<int>{2, 5, 0, 3, 4, 1};
    QTest::newRow("equal cells keep their order ascending")
        << QStringList{"10:00", "09:00", "10:00", "09:00", "10:00"} << true << QList<int>{1, 3, 0, 2, 4};
    QTest::newRow("equal cells keep their order descending")
        << QStringList{"10:00", "09:00", "10:00", "09:00", "10:00"} << false << QList<int>{0, 2, 4, 1, 3};
    QTest::newRow("names: Latin, yo, capitals, small letters")
        << QStringList{QStringLiteral("Иван"),  QStringLiteral("анна"),  QStringLiteral("Ёжиков"),
                       QStringLiteral("Smith"), QStringLiteral("ёлкин"), QStringLiteral("smith")}
        << true << QList<int>{3, 5, 2, 4, 0, 1};
    QTest::newRow("no cells") << QStringList{} << true << QList<int>{};
}

void TestListOrder::sortedPositions()
{
    QFETCH(QStringList, cells);
    QFETCH(bool, ascending);
    std::vector<QStringView> views;
    for (const QString &cell : cells)
        views.push_back(cell);
    QList<int> order;
    for (std::size_t position : codec::SortedPositions(views, ascending))
        order << int(position);
    QTEST(order, "order");
}

void TestListOrder::sortMemory_data()
{
    QTest::addColumn<QList<int>>("commands"); // columns sorted, one command each
    QTest::addColumn<QList<bool>>("ascending");

    const int byDate = 5;
    const int byTime = 1;
    QTest::newRow("by date twice: ascending, then descending")
        << QList<int>{byDate, byDate} << QList<bool>{true, false};
    QTest::newRow("by date a third time: ascending again")
        << QList<int>{byDate, byDate, byDate} << QList<bool>{true, false, true};
    QTest::newRow("by date then by time: ascending") << QList<int>{byDate, byTime} << QList<bool>{true, true};
    QTest::newRow("switching column forgets the first")
        << QList<int>{byDate, byTime, byDate, byDate} << QList<bool>{true, true, true, false};
}

void TestListOrder::sortMemory()
{
    QFETCH(QList<int>, commands);
    codec::SortMemory memory;
    QList<bool> directions;
    for (int column : commands)
        directions << memory.nextDirection(column);
    QTEST(directions, "ascending");
}

QTEST_APPLESS_MAIN(TestListOrder)
#include "tst_listorder.moc"
