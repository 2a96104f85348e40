#include <QTest>

#include "phonebook/PhoneFields.h"

class TstPhoneFields : public QObject {
    Q_OBJECT

private slots:
    void emptyText_data();
    void emptyText();
    void typed_data();
    void typed();
    void join_data();
    void join();
};

void TstPhoneFields::emptyText_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    QTest::newRow("home") << phonebook::HomeMask << "__-__-__";
    QTest::newRow("work") << phonebook::WorkMask << "__-__-__";
    QTest::newRow("mobile") << phonebook::MobileMask << "_-___-____-___";
}

void TstPhoneFields::emptyText()
{
    QFETCH(QString, mask);
    QFETCH(QString, text);
    QCOMPARE(phonebook::EmptyMaskText(mask), text);
}

void TstPhoneFields::typed_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("home filled") << phonebook::HomeMask << "123456"
                                 << "12-34-56";
    QTest::newRow("home half filled") << phonebook::HomeMask << "123"
                                      << "12-3_-__";
    QTest::newRow("blank takes a place") << phonebook::HomeMask << "1 3"
                                         << "1 -3_-__";
    QTest::newRow("letters and hyphens refused") << phonebook::HomeMask << "1a-2b3"
                                                 << "12-3_-__";
    QTest::newRow("underscore refused") << phonebook::HomeMask << "_1"
                                        << "1_-__-__";
    QTest::newRow("beyond the last place refused") << phonebook::HomeMask << "12345678"
                                                   << "12-34-56";
    QTest::newRow("non-ASCII digit refused") << phonebook::HomeMask << QStringLiteral("\u0661\u06F22") << "2_-__-__";
    QTest::newRow("mobile filled") << phonebook::MobileMask << "89123456789"
                                   << "8-912-3456-789";
    QTest::newRow("mobile start") << phonebook::MobileMask << "89"
                                  << "8-9__-____-___";
}

void TstPhoneFields::typed()
{
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(phonebook::MaskTextForTyped(mask, typed), shown);
}

void TstPhoneFields::join_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("mobile");
    QTest::addColumn<QString>("phones");

    QTest::newRow("all empty, 38 characters") << "__-__-__"
                                              << "__-__-__"
                                              << "_-___-____-___"
                                              << "__-__-__ /  __-__-__ /  _-___-____-___";
    QTest::newRow("home and mobile") << "12-34-56"
                                     << "__-__-__"
                                     << "8-912-3456-789"
                                     << "12-34-56 /  __-__-__ /  8-912-3456-789";
    QTest::newRow("texts taken as given") << ""
                                          << "x"
                                          << ""
                                          << " /  x /  ";
}

void TstPhoneFields::join()
{
    QFETCH(QString, home);
    QFETCH(QString, work);
    QFETCH(QString, mobile);
    QFETCH(QString, phones);
    QCOMPARE(phonebook::JoinPhones(home, work, mobile), phones);
}

QTEST_GUILESS_MAIN(TstPhoneFields)
#include "tst_phonefields.moc"
