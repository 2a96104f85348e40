#include <QTest>

#include "diary/DateText.h"

class TestDateText : public QObject {
    Q_OBJECT
private slots:
    void reversDateStr_data();
    void reversDateStr();
    void sortKey_data();
    void sortKey();
    void parseShortDate_data();
    void parseShortDate();
    void shortDateText_data();
    void shortDateText();
    void handFormattingAgreesWithQt();
    void isSortKey_data();
    void isSortKey();
};

void TestDateText::reversDateStr_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("key");

    QTest::newRow("3 February 2004") << "03.02.2004"
                                     << "2004.02.03";
    QTest::newRow("31 December 2004") << "31.12.2004"
                                      << "2004.12.31";
    QTest::newRow("one-digit day and month") << "3.2.2004"
                                             << "2004.02.03";
    QTest::newRow("29 February of a leap year") << "29.02.2004"
                                                << "2004.02.29";
    QTest::newRow("29 February of a common year") << "29.02.2003"
                                                  << "";
    QTest::newRow("31 April") << "31.04.2004"
                              << "";
    QTest::newRow("day zero") << "00.02.2004"
                              << "";
    QTest::newRow("month 13") << "03.13.2004"
                              << "";
    QTest::newRow("year below 1000 loses its leading zero") << "05.06.0987"
                                                            << "987.06.05";
    QTest::newRow("there is no year zero") << "01.01.0000"
                                           << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("two-digit year") << "03.02.04"
                                    << "";
    QTest::newRow("five-digit year") << "03.02.20040"
                                     << "";
    QTest::newRow("three-digit day") << "003.02.2004"
                                     << "";
    QTest::newRow("slashes") << "03/02/2004"
                             << "";
    QTest::newRow("year first") << "2004.02.03"
                                << "";
    QTest::newRow("ISO form") << "2004-02-03"
                              << "";
    QTest::newRow("blank before") << " 03.02.2004"
                                  << "";
    QTest::newRow("blank after") << "03.02.2004 "
                                 << "";
    QTest::newRow("sign before the day") << "+3.02.2004"
                                         << "";
    QTest::newRow("non-ASCII digits") << QStringLiteral("٠٣.02.2004") << "";
    QTest::newRow("(null)") << "(null)"
                            << "";
}

void TestDateText::reversDateStr()
{
    QFETCH(QString, date);
    QFETCH(QString, key);
    QCOMPARE(diary::ReversDateStr(date), key);
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

void TestDateText::parseShortDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: not a date

    QTest::newRow("two-digit day and month") << "03.02.2004" << QDate(2004, 2, 3);
    QTest::newRow("one-digit day and month") << "3.2.2004" << QDate(2004, 2, 3);
    QTest::newRow("last day of the year") << "31.12.9999" << QDate(9999, 12, 31);
    QTest::newRow("first year") << "01.01.0001" << QDate(1, 1, 1);
    QTest::newRow("29 February 2003") << "29.02.2003" << QDate();
    QTest::newRow("trailing dot") << "03.02.2004." << QDate();
    QTest::newRow("missing year") << "03.02." << QDate();
    QTest::newRow("letters") << "ab.cd.efgh" << QDate();
}

void TestDateText::parseShortDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const std::optional<QDate> parsed = diary::ParseShortDate(text);
    QCOMPARE(parsed.has_value(), date.isValid());
    if (parsed)
        QCOMPARE(*parsed, date);
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
