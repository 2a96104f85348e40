#include <QTest>

#include "diary/DateText.h"

class TestDateText : public QObject {
    Q_OBJECT
private slots:
    void dateText_data();
    void dateText();
    void parserAgreesWithQtOnShortNumbers();
    void sortKey_data();
    void sortKey();
    void shortDateText_data();
    void shortDateText();
    void handFormattingAgreesWithQt();
    void isSortKey_data();
    void isSortKey();
};

// One table for the date parser: what ParseShortDate reads and the key
// ReversDateStr makes of it.
void TestDateText::dateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: not a date
    QTest::addColumn<QString>("key");

    const QDate none;
    // clang-format off
    QTest::newRow("3 February 2004")                        << "03.02.2004"  << QDate(2004, 2, 3)   << "2004.02.03";
    QTest::newRow("31 December 2004")                       << "31.12.2004"  << QDate(2004, 12, 31) << "2004.12.31";
    QTest::newRow("one-digit day and month")                << "3.2.2004"    << QDate(2004, 2, 3)   << "2004.02.03";
    QTest::newRow("one-digit day, two-digit month")         << "3.02.2004"   << QDate(2004, 2, 3)   << "2004.02.03";
    QTest::newRow("29 February of a leap year")             << "29.02.2004"  << QDate(2004, 2, 29)  << "2004.02.29";
    QTest::newRow("29 February 2000, a leap century")       << "29.02.2000"  << QDate(2000, 2, 29)  << "2000.02.29";
    QTest::newRow("29 February 1900, a common century")     << "29.02.1900"  << none                << "";
    QTest::newRow("29 February of a common year")           << "29.02.2003"  << none                << "";
    QTest::newRow("31 April")                               << "31.04.2004"  << none                << "";
    QTest::newRow("day zero")                               << "00.02.2004"  << none                << "";
    QTest::newRow("month zero")                             << "03.00.2004"  << none                << "";
    QTest::newRow("month 13")                               << "03.13.2004"  << none                << "";
    QTest::newRow("last day of the year 9999")              << "31.12.9999"  << QDate(9999, 12, 31) << "9999.12.31";
    QTest::newRow("first year")                             << "01.01.0001"  << QDate(1, 1, 1)      << "1.01.01";
    QTest::newRow("year below 1000 loses its leading zero") << "05.06.0987"  << QDate(987, 6, 5)    << "987.06.05";
    QTest::newRow("there is no year zero")                  << "01.01.0000"  << none                << "";
    QTest::newRow("empty")                                  << ""            << none                << "";
    QTest::newRow("two-digit year")                         << "03.02.04"    << none                << "";
    QTest::newRow("five-digit year")                        << "03.02.20040" << none                << "";
    QTest::newRow("three-digit day")                        << "003.02.2004" << none                << "";
    QTest::newRow("trailing dot")                           << "03.02.2004." << none                << "";
    QTest::newRow("missing year")                           << "03.02."      << none                << "";
    QTest::newRow("slashes")                                << "03/02/2004"  << none                << "";
    QTest::newRow("year first")                             << "2004.02.03"  << none                << "";
    QTest::newRow("ISO form")                               << "2004-02-03"  << none                << "";
    QTest::newRow("blank before")                           << " 03.02.2004" << none                << "";
    QTest::newRow("blank after")                            << "03.02.2004 " << none                << "";
    QTest::newRow("sign before the day")                    << "+3.02.2004"  << none                << "";
    QTest::newRow("sign before the year")                   << "03.02.+004"  << none                << "";
    QTest::newRow("letters")                                << "ab.cd.efgh"  << none                << "";
    QTest::newRow("non-ASCII digits")                       << QStringLiteral("٠٣.02.2004") << none << "";
    QTest::newRow("(null)")                                 << "(null)"      << none                << "";
    // clang-format on
}

void TestDateText::dateText()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const std::optional<QDate> parsed = diary::ParseShortDate(text);
    QCOMPARE(parsed.value_or(QDate()), date);
    QTEST(diary::ReversDateStr(text), "key");
}

// Over every day and month of one and two digits, "0" to "99" and "00" to
// "09", in years common, leap, and of both kinds of century: the parser says
// what Qt says for "d.M.yyyy".
void TestDateText::parserAgreesWithQtOnShortNumbers()
{
    QStringList numbers;
    for (int n = 0; n < 100; ++n)
        numbers << QString::number(n);
    for (int n = 0; n < 10; ++n)
        numbers << QStringLiteral("0") + QString::number(n);
    const QString format = QStringLiteral("d.M.yyyy");
    // Days and months below 10 come written two ways.
    const auto spellings = [](int n) { return n < 10 ? 2 : 1; };
    int dates = 0;
    int expectedDates = 0;
    for (const int year : {2003, 2004, 1900, 2000}) {
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= QDate(year, month, 1).daysInMonth(); ++day)
                expectedDates += spellings(month) * spellings(day);
    }
    for (const QString year : {"2003", "2004", "1900", "2000"}) {
        for (const QString &month : numbers) {
            for (const QString &day : numbers) {
                const QString text = day + u'.' + month + u'.' + year;
                const QDate qt = QDate::fromString(text, format);
                const QDate ours = diary::ParseShortDate(text).value_or(QDate());
                if (ours != qt)
                    QFAIL(qPrintable(text + QStringLiteral(": ") + ours.toString(Qt::ISODate) +
                                     QStringLiteral(" where Qt reads ") + qt.toString(Qt::ISODate)));
                dates += ours.isValid() ? 1 : 0;
            }
        }
    }
    // Every day of those years was read, in each of its spellings.
    QCOMPARE(dates, expectedDates);
}

void TestDateText::sortKey_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("key");

    QTest::newRow("date and time run together") << "03.02.2004"
                                                << "09:05"
                                                << "2004.02.0309:05";
    QTest::newRow("one-digit day and month") << "3.2.2004"
                                             << "23:59"
                                             << "2004.02.0323:59";
    QTest::newRow("time taken as it is") << "31.12.2004"
                                         << "(null)"
                                         << "2004.12.31(null)";
    QTest::newRow("no time") << "31.12.2004"
                             << ""
                             << "2004.12.31";
    QTest::newRow("bad date gives no key at all") << "2004-02-03"
                                                  << "09:05"
                                                  << "";
}

void TestDateText::sortKey()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, key);
    QCOMPARE(diary::SortKey(date, time), key);
}

void TestDateText::shortDateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("3 February 2004") << QDate(2004, 2, 3) << "03.02.2004";
    QTest::newRow("31 December 2004") << QDate(2004, 12, 31) << "31.12.2004";
    QTest::newRow("year below 1000 padded to four digits") << QDate(987, 6, 5) << "05.06.0987";
    QTest::newRow("first year") << QDate(1, 1, 1) << "01.01.0001";
    QTest::newRow("no date") << QDate() << "";
}

void TestDateText::shortDateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(diary::ShortDateText(date), text);
}

// The hand-written code must say what Qt says for the same format, for every
// day of a span that holds leap years, a century not leap (1900) and one leap (2000).
void TestDateText::handFormattingAgreesWithQt()
{
    for (QDate day(1899, 1, 1); day <= QDate(2101, 12, 31); day = day.addDays(1)) {
        const QString text = diary::ShortDateText(day);
        if (text != day.toString(diary::ShortDateFormat))
            QFAIL(qPrintable("ShortDateText differs on " + day.toString(Qt::ISODate)));
        const std::optional<QDate> back = diary::ParseShortDate(text);
        if (!back || *back != day)
            QFAIL(qPrintable("ParseShortDate does not read back " + text));
        if (diary::ReversDateStr(text) != day.toString(QStringLiteral("yyyy.MM.dd")))
            QFAIL(qPrintable("ReversDateStr differs on " + text));
    }
}

void TestDateText::isSortKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("matches");

    QTest::newRow("key of the same record") << "2004.02.0309:05"
                                            << "03.02.2004"
                                            << "09:05" << true;
    QTest::newRow("one-digit day and month") << "2004.02.0309:05"
                                             << "3.2.2004"
                                             << "09:05" << true;
    QTest::newRow("year below 1000") << "999.01.0200:00"
                                     << "02.01.0999"
                                     << "00:00" << true;
    QTest::newRow("date moved on") << "2004.02.0309:05"
                                   << "04.02.2004"
                                   << "09:05" << false;
    QTest::newRow("time changed") << "2004.02.0309:05"
                                  << "03.02.2004"
                                  << "09:06" << false;
    QTest::newRow("key of a record without line end") << ""
                                                      << "03.02.2004"
                                                      << "09:05" << false;
    QTest::newRow("bad date") << ""
                              << "31.02.2004"
                              << "09:05" << false;
    QTest::newRow("longer key") << "2004.02.0309:05x"
                                << "03.02.2004"
                                << "09:05" << false;
    QTest::newRow("year differs") << "2005.02.0309:05"
                                  << "03.02.2004"
                                  << "09:05" << false;
}

void TestDateText::isSortKey()
{
    QFETCH(QString, key);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(bool, matches);
    QCOMPARE(diary::IsSortKey(key, date, time), matches);
    // It agrees with the key it stands in for.
    QCOMPARE(diary::IsSortKey(key, date, time), !key.isEmpty() && diary::SortKey(date, time) == key);
}

QTEST_APPLESS_MAIN(TestDateText)
#include "tst_datetext.moc"
