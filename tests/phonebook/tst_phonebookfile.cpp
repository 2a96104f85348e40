#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../support/FileResults.h"
#include "codec/Ansi.h"
#include "phonebook/PhoneBookFile.h"
#include "phonebook/PhoneFields.h"

using phonebook::PhoneBook;
using phonebook::PhoneEntry;

Q_DECLARE_METATYPE(phonebook::PhoneBook)

namespace {

// Each entry as "name|phones|address", so a row states a book in one line and
// a failure shows which field moved.
QStringList Describe(const PhoneBook &book)
{
    QStringList lines;
    for (const PhoneEntry &e : book)
        lines << QStringList{e.name, e.phones, e.address}.join(u'|');
    return lines;
}

QByteArray Ansi(const QString &text)
{
    return codec::ToAnsi(text);
}

const QString NoWork = phonebook::EmptyMaskText(phonebook::WorkMask);
const QString NoMobile = phonebook::EmptyMaskText(phonebook::MobileMask);
const QString IvanovPhones = phonebook::JoinPhones(u"12-34-56", NoWork, u"8-912-3456-789");

} // namespace

class TstPhoneBookFile : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void roundTrip_data();
    void roundTrip();
    void fileOnDisk_data();
    void fileOnDisk();
    void unreadableFile_data();
    void unreadableFile();
    void failedWriteKeepsTheOldFile();

private:
    QTemporaryDir m_dir;
};

void TstPhoneBookFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("cutOffLine");

    QTest::newRow("empty file, empty book") << QByteArray() << QStringList() << "";
    QTest::newRow("one entry") << Ansi("Иванов\r\n" + IvanovPhones + "\r\n(null)\r\n")
                               << QStringList{"Иванов|" + IvanovPhones + "|"} << "";
    QTest::newRow("(null) reads as empty in every field")
        << QByteArray("(null)\r\n(null)\r\n(null)\r\n") << QStringList{"||"} << "";
    QTest::newRow("(null) with a blank is a text")
        << QByteArray("(null) \r\n (null)\r\n(NULL)\r\n") << QStringList{"(null) | (null)|(NULL)"} << "";
    QTest::newRow("empty lines read as empty") << QByteArray("\r\n\r\n\r\n") << QStringList{"||"} << "";
    QTest::newRow("two entries in file order")
        << QByteArray("b\r\n1\r\nx\r\na\r\n2\r\ny\r\n") << QStringList{"b|1|x", "a|2|y"} << "";
    QTest::newRow("address without a line end is not taken")
        << QByteArray("a\r\n1\r\nStreet 5") << QStringList{"a|1|"} << "Street 5";
    QTest::newRow("last line of a second entry without a line end")
        << QByteArray("a\r\n1\r\nx\r\nb") << QStringList{"a|1|x"} << "b";
    QTest::newRow("entry cut short after its name")
        << QByteArray("a\r\n1\r\nx\r\nb\r\n") << QStringList{"a|1|x", "b||"} << "";
    QTest::newRow("entry cut short after its phones") << QByteArray("b\r\n2\r\n") << QStringList{"b|2|"} << "";
    QTest::newRow("entry cut short inside its phones") << QByteArray("b\r\n12-3") << QStringList{"b||"} << "12-3";
    QTest::newRow("LF line ends") << QByteArray("a\n1\nx\n") << QStringList{"a|1|x"} << "";
    QTest::newRow("lone CR in a file with LF belongs to its line")
        << QByteArray("a\rb\r\n1\r\nx\r\r\n") << QStringList{"a\rb|1|x\r"} << "";
    QTest::newRow("file without LF ends lines with CR") << QByteArray("a\r1\rx\rb") << QStringList{"a|1|x"} << "b";
    QTest::newRow("Cyrillic") << QByteArray("\xb8\xeb\xea\xe0\r\n\xc0\r\n\xdf\xff\r\n") << QStringList{"ёлка|А|Яя"}
                              << "";
}

void TstPhoneBookFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QFETCH(QString, cutOffLine);
    const phonebook::PhoneBookReadResult read = phonebook::ParsePhoneBook(bytes);
    QCOMPARE(read.status, codec::ReadStatus::Read);
    QCOMPARE(Describe(read.entries), entries);
    QCOMPARE(read.cutOffLine, cutOffLine);
}

void TstPhoneBookFile::format_data()
{
    QTest::addColumn<PhoneBook>("book");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty book, 0 bytes") << PhoneBook{} << QByteArray();
    QTest::newRow("only the home number: the exact three lines")
        << PhoneBook{{"Иванов", phonebook::JoinPhones(u"12-34-56", NoWork, NoMobile), ""}}
        << QByteArray("\xc8\xe2\xe0\xed\xee\xe2\r\n12-34-56 /  __-__-__ /  _-___-____-___\r\n(null)\r\n");
    QTest::newRow("empty texts as (null)") << PhoneBook{{"", "", ""}} << QByteArray("(null)\r\n(null)\r\n(null)\r\n");
    QTest::newRow("display order kept") << PhoneBook{{"b", "1", "x"}, {"a", "2", "y"}}
                                        << QByteArray("b\r\n1\r\nx\r\na\r\n2\r\ny\r\n");
    QTest::newRow("line feed inside a field becomes a blank")
        << PhoneBook{{"a\nb", "1", "x\r\ny"}} << QByteArray("a b\r\n1\r\nx\r y\r\n");
    QTest::newRow("character outside Windows-1251")
        << PhoneBook{{"a\u4e2d", "1", "x"}} << QByteArray("a?\r\n1\r\nx\r\n");
}

void TstPhoneBookFile::format()
{
    QFETCH(PhoneBook, book);
    QFETCH(QByteArray, bytes);
    QCOMPARE(phonebook::FormatPhoneBook(book), bytes);
}

void TstPhoneBookFile::roundTrip_data()
{
    QTest::addColumn<PhoneBook>("book");
    QTest::addColumn<PhoneBook>("back");

    const PhoneBook cyrillic{{"Пётр Ёлкин", IvanovPhones, "ул. Щорса, д. 7, кв. 19"}, {"Юля", IvanovPhones, ""}};
    QTest::newRow("Cyrillic") << cyrillic << cyrillic;
    const PhoneBook lonelyCr{{"a\rb", "1\r", "\rx"}};
    QTest::newRow("lone CRs inside fields") << lonelyCr << lonelyCr;
    const PhoneBook empty{{"", IvanovPhones, ""}};
    QTest::newRow("empty name and address") << empty << empty;
    QTest::newRow("a name typed as (null) comes back empty")
        << PhoneBook{{"(null)", "1", "(null)"}} << PhoneBook{{"", "1", ""}};
    const PhoneBook every1251{{codec::FromAnsi(QByteArray("\x80\x98\xa0\xad\xb9\xff")), "\x01\x7f", "\t"}};
    QTest::newRow("rare bytes of the code page") << every1251 << every1251;
}

void TstPhoneBookFile::roundTrip()
{
    QFETCH(PhoneBook, book);
    QFETCH(PhoneBook, back);
    const QByteArray bytes = phonebook::FormatPhoneBook(book);
    const phonebook::PhoneBookReadResult read = phonebook::ParsePhoneBook(bytes);
    QCOMPARE(Describe(read.entries), Describe(back));
    QCOMPARE(read.cutOffLine, QString());
    QCOMPARE(phonebook::FormatPhoneBook(read.entries), bytes);
}

void TstPhoneBookFile::fileOnDisk_data()
{
    QTest::addColumn<PhoneBook>("book");
    QTest::newRow("empty book") << PhoneBook{};
    QTest::newRow("two entries") << PhoneBook{{"Иванов", IvanovPhones, ""}, {"", IvanovPhones, "Москва"}};
}

// What is written is read back from the disk as it was.
void TstPhoneBookFile::fileOnDisk()
{
    QFETCH(PhoneBook, book);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(phonebook::PhoneBookFileName);
    QVERIFY(!phonebook::WritePhoneBookFile(path, book).failed());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), phonebook::FormatPhoneBook(book));
    const phonebook::PhoneBookReadResult read = phonebook::ReadPhoneBookFile(path);
    QCOMPARE(read.status, codec::ReadStatus::Read);
    QCOMPARE(Describe(read.entries), Describe(book));
}

void TstPhoneBookFile::unreadableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<qint64>("sparseSize"); // of a file made at the name; -1: none
    QTest::addColumn<codec::ReadStatus>("status");
    QTest::addColumn<codec::FileErrorKind>("kind");
    QTest::newRow("missing file") << "missing.dat"
                                  << "" << qint64(-1) << codec::ReadStatus::Missing << codec::FileErrorKind::None;
    QTest::newRow("folder in its place") << "folder.dat"
                                         << "folder.dat" << qint64(-1) << codec::ReadStatus::Failed
                                         << codec::FileErrorKind::InTheWay;
    QTest::newRow("one byte more than a book may hold")
        << "huge.dat"
        << "" << phonebook::PhoneBookFileLimit + 1 << codec::ReadStatus::Failed << codec::FileErrorKind::TooBig;
}

// A book that cannot be read is never taken for an empty one.
void TstPhoneBookFile::unreadableFile()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(qint64, sparseSize);
    QFETCH(codec::ReadStatus, status);
    QFETCH(codec::FileErrorKind, kind);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(name);
    if (!folder.isEmpty())
        QVERIFY(QDir(m_dir.path()).mkdir(folder));
    if (sparseSize >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(sparseSize));
    }
    const phonebook::PhoneBookReadResult read = phonebook::ReadPhoneBookFile(path);
    QCOMPARE(read.status, status);
    QCOMPARE(read.error.kind, kind);
    QVERIFY(read.entries.empty());
}

// A folder where the file should be: the write says so and leaves it.
void TstPhoneBookFile::failedWriteKeepsTheOldFile()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath("taken.dat");
    QVERIFY(QDir(m_dir.path()).mkdir("taken.dat"));
    const codec::FileError error = phonebook::WritePhoneBookFile(path, {{"a", "1", "x"}});
    QCOMPARE(error.kind, codec::FileErrorKind::InTheWay);
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TstPhoneBookFile)
#include "tst_phonebookfile.moc"
