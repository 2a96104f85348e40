#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../support/FileResults.h"
#include "diary/DiaryFile.h"

using diary::DiaryRecord;
using diary::UnvisibleList;

Q_DECLARE_METATYPE(diary::UnvisibleList)

namespace {

// One record as "date|time|msg|launch_file|param_str|reversdate", so a table
// row states a whole record on one line and a failure shows which field moved.
QString Describe(const DiaryRecord &r)
{
    return QStringList{r.date, r.time, r.msg, r.launch_file, r.param_str, r.reversdate}.join(u'|');
}

QStringList Describe(const UnvisibleList &records)
{
    QStringList lines;
    for (const DiaryRecord &r : records)
        lines << Describe(r);
    return lines;
}

DiaryRecord Record(const QString &date, const QString &time, const QString &msg, const QString &launch,
                   const QString &param, const QString &key = {})
{
    return DiaryRecord{date, time, msg, launch, param, key};
}

// "Позвонить" in Windows-1251.
const QByteArray CallBytes("\xcf\xee\xe7\xe2\xee\xed\xe8\xf2\xfc");

const QByteArray Rec1("03.02.2004 09:05\r\nfirst\r\n(null)\r\n0100000000\r\n");
const QByteArray Rec2("04.02.2004 10:30\r\nsecond\r\nC:\\Tools\\run.exe\r\n1000000000\r\n");
const QString Rec1Text("03.02.2004|09:05|first|(null)|0100000000|2004.02.0309:05");
const QString Rec2Text("04.02.2004|10:30|second|C:\\Tools\\run.exe|1000000000|2004.02.0410:30");

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool PutFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestDiaryFile : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void roundTripIsByteForByte_data();
    void roundTripIsByteForByte();
    void readMissingFileIsEmptyDiary();
    void readFailureIsNoEmptyDiary_data();
    void readFailureIsNoEmptyDiary();
    void writeThenRead();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();
};

void TestDiaryFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("diaryEmpty");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("badDates");

    QTest::newRow("empty file") << QByteArray() << true << QStringList() << QStringList();
    QTest::newRow("records after blank lines at the start are kept")
        << QByteArray("\r\n" + Rec1 + Rec2) << false << QStringList{Rec1Text, Rec2Text} << QStringList();
    QTest::newRow("blank lines at the start with LF only and blanks")
        << QByteArray("\n  \n\t\n" + Rec1) << false << QStringList{Rec1Text} << QStringList();
    QTest::newRow("only blank lines hold no record")
        << QByteArray("\r\n \r\n\n") << true << QStringList() << QStringList();
    QTest::newRow("two records as the program writes them")
        << QByteArray(Rec1 + Rec2) << false << QStringList{Rec1Text, Rec2Text} << QStringList();
    QTest::newRow("blank lines between records are skipped")
        << QByteArray(Rec1 + "\r\n\r\n\n \t\r\n" + Rec2) << false << QStringList{Rec1Text, Rec2Text} << QStringList();
    QTest::newRow("lone CR inside a message of a CR LF diary stays in the message")
        << QByteArray("03.02.2004 09:05\r\na\rb\r\n(null)\r\n0100000000\r\n" + Rec2) << false
        << QStringList{"03.02.2004|09:05|a\rb|(null)|0100000000|2004.02.0309:05", Rec2Text} << QStringList();
    QTest::newRow("CR before CR LF ends the field's text")
        << QByteArray("03.02.2004 09:05\r\nfirst\r\r\nC:\\a\r\r\n0100000000\r\n") << false
        << QStringList{"03.02.2004|09:05|first\r|C:\\a\r|0100000000|2004.02.0309:05"} << QStringList();
    QTest::newRow("a lone CR in a blank line of an LF diary is no blank line")
        << QByteArray(Rec1 + "\r\n\r" + Rec2) << false
        << QStringList{Rec1Text, "\r04.02.2004|10:30|second|C:\\Tools\\run.exe|1000000000|"}
        << QStringList{"\r04.02.2004"};
    QTest::newRow("trailing blank lines make no record")
        << QByteArray(Rec1 + "\r\n\r\n  \t\r\n") << false << QStringList{Rec1Text} << QStringList();
    QTest::newRow("last line without line end has no key")
        << QByteArray(Rec1 + "04.02.2004 10:30\r\nsecond\r\n(null)\r\n1000000000") << false
        << QStringList{Rec1Text, "04.02.2004|10:30|second|(null)|1000000000|"} << QStringList();
    QTest::newRow("(null) is kept as text and an empty line is an empty field")
        << QByteArray("03.02.2004 09:05\r\n(null)\r\n\r\n\r\n") << false
        << QStringList{"03.02.2004|09:05|(null)|||2004.02.0309:05"} << QStringList();
    QTest::newRow("Cyrillic message in Windows-1251")
        << QByteArray("03.02.2004 09:05\r\n" + CallBytes + "\r\n(null)\r\n0100000000\r\n") << false
        << QStringList{QStringLiteral("03.02.2004|09:05|Позвонить|(null)|0100000000|2004.02.0309:05")} << QStringList();
    QTest::newRow("bad date is listed and reading goes on")
        << QByteArray(Rec1 + "2004-02-03 11:00\r\nbad\r\n(null)\r\n0000000000\r\n" + Rec2) << false
        << QStringList{Rec1Text, "2004-02-03|11:00|bad|(null)|0000000000|", Rec2Text} << QStringList{"2004-02-03"};
    QTest::newRow("CR-only line ends") << QByteArray(
                                              "03.02.2004 09:05\rfirst\r(null)\r0100000000\r04.02.2004 10:30\rsecond\r"
                                              "C:\\Tools\\run.exe\r1000000000\r")
                                       << false << QStringList{Rec1Text, Rec2Text} << QStringList();
    QTest::newRow("LF-only line ends") << QByteArray(
                                              "03.02.2004 09:05\nfirst\n(null)\n0100000000\n04.02.2004 10:30\nsecond\n"
                                              "C:\\Tools\\run.exe\n1000000000\n")
                                       << false << QStringList{Rec1Text, Rec2Text} << QStringList();
    QTest::newRow("in a file with LF, the CR after an LF starts the next line")
        << QByteArray("03.02.2004 09:05\n\rfirst\n\r(null)\n\r0100000000\n\r") << false
        << QStringList{"03.02.2004|09:05|\rfirst|\r(null)|\r0100000000|2004.02.0309:05", "\r|||||"}
        << QStringList{"\r"};
    QTest::newRow("record cut off after its date")
        << QByteArray(Rec1 + "04.02.2004") << false << QStringList{Rec1Text, "04.02.2004|||||"} << QStringList();
    QTest::newRow("record cut off after line 1")
        << QByteArray(Rec1 + "04.02.2004\r\n") << false << QStringList{Rec1Text, "04.02.2004|||||"} << QStringList();
    QTest::newRow("text after the time on line 1 is ignored")
        << QByteArray("03.02.2004 09:05 and more words\r\nfirst\r\n(null)\r\n0100000000\r\n" + Rec2) << false
        << QStringList{Rec1Text, Rec2Text} << QStringList();
    QTest::newRow("tabs and extra blanks around the words of line 1")
        << QByteArray("  03.02.2004 \t 09:05\t\r\nfirst\r\n(null)\r\n0100000000\r\n") << false << QStringList{Rec1Text}
        << QStringList();

    const QByteArray longLine(100 * 1024, 'x');
    const QByteArray longWord(1000, '7');
    QTest::newRow("100 KB message and words far longer than a date")
        << QByteArray(longWord + " " + longWord + "\r\n" + longLine + "\r\n(null)\r\n0000000000\r\n" + Rec2) << false
        << QStringList{QString(longWord + "|" + longWord + "|" + longLine + "|(null)|0000000000|"), Rec2Text}
        << QStringList{QString(longWord)};

    // NUL and control bytes are ordinary characters; 0xFF and 0xFE are "я" and "ю".
    const QString garbageDate = QString(QChar(1)) + QChar(0) + QStringLiteral("яю");
    const QString nulNul = QString(2, QChar(0));
    QTest::newRow("binary garbage with NUL bytes")
        << QByteArray("\x01\x00\xff\xfe \x00\x7f\r\n\x00\x00\r\n\x1b[0m\r\n\xff\xff", 21) << false
        << QStringList{garbageDate + "|" + QChar(0) + QChar(0x7f) + "|" + nulNul + "|\x1b[0m|" + QStringLiteral("яя") +
                       "|"}
        << QStringList{garbageDate};
}

void TestDiaryFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, diaryEmpty);
    QFETCH(QStringList, records);
    QFETCH(QStringList, badDates);

    const diary::DiaryReadResult result = diary::ParseDiary(bytes);
    QCOMPARE(result.diaryEmpty, diaryEmpty);
    QCOMPARE(Describe(result.records), records);
    QCOMPARE(result.badDates, badDates);
}

void TestDiaryFile::format_data()
{
    QTest::addColumn<UnvisibleList>("records");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty list gives 0 bytes") << UnvisibleList() << QByteArray();
    QTest::newRow("four CR LF lines a record, key not written")
        << UnvisibleList{Record("03.02.2004", "09:05", "first", "(null)", "0100000000", "2004.02.0309:05"),
                         Record("04.02.2004", "10:30", "second", "C:\\Tools\\run.exe", "1000000000", "ignored")}
        << QByteArray(Rec1 + Rec2);
    QTest::newRow("empty fields written as (null)")
        << UnvisibleList{Record("", "", "", "", "")} << QByteArray("(null) (null)\r\n(null)\r\n(null)\r\n(null)\r\n");
    QTest::newRow("Cyrillic written in Windows-1251")
        << UnvisibleList{Record("03.02.2004", "09:05", QStringLiteral("Позвонить"), "(null)", "0100000000")}
        << QByteArray("03.02.2004 09:05\r\n" + CallBytes + "\r\n(null)\r\n0100000000\r\n");
    QTest::newRow("character outside Windows-1251 becomes ?")
        << UnvisibleList{Record("03.02.2004", "09:05", QStringLiteral("Call 日本"), "(null)", "0100000000")}
        << QByteArray("03.02.2004 09:05\r\nCall ??\r\n(null)\r\n0100000000\r\n");
}

void TestDiaryFile::format()
{
    QFETCH(UnvisibleList, records);
    QFETCH(QByteArray, bytes);
    QCOMPARE(diary::FormatDiary(records), bytes);
}

void TestDiaryFile::roundTripIsByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("no records") << QByteArray();
    QTest::newRow("records with Cyrillic, paths and (null)") << QByteArray(
        Rec1 + "05.02.2004 00:00\r\n" + CallBytes + "\r\nC:\\Program Files\\a b.exe\r\n0110000000\r\n" + Rec2);
    QTest::newRow("bad date in the middle keeps the records after it")
        << QByteArray(Rec1 + "2004-02-03 11:00\r\nbad\r\n(null)\r\n0000000000\r\n" + Rec2);
    QTest::newRow("lone CR inside a message, then the next record")
        << QByteArray("03.02.2004 09:05\r\na\rb\r\n(null)\r\n0100000000\r\n" + Rec2);
    QTest::newRow("lone CRs at the ends of fields")
        << QByteArray("03.02.2004 09:05\r\r\n\rfirst\r\r\n\r\r\n0100000000\r\r\n" + Rec2);
}

void TestDiaryFile::roundTripIsByteForByte()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(diary::FormatDiary(diary::ParseDiary(bytes).records), bytes);
}

void TestDiaryFile::readMissingFileIsEmptyDiary()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const diary::DiaryReadResult result = diary::ReadDiaryFile(dir.filePath(diary::DiaryFileName));
    QCOMPARE(result.status, codec::ReadStatus::Missing);
    QVERIFY(result.diaryEmpty);
    QVERIFY(result.records.empty());
    QVERIFY(result.badDates.isEmpty());
}

enum class InPlace { Folder, FileOverTheLimit, DanglingLink };
Q_DECLARE_METATYPE(InPlace)

void TestDiaryFile::readFailureIsNoEmptyDiary_data()
{
    QTest::addColumn<InPlace>("inPlace");
    QTest::addColumn<codec::FileErrorKind>("kind");
    QTest::newRow("folder in its place") << InPlace::Folder << codec::FileErrorKind::InTheWay;
    QTest::newRow("one byte more than a diary may hold") << InPlace::FileOverTheLimit << codec::FileErrorKind::TooBig;
    QTest::newRow("link to a file that is gone") << InPlace::DanglingLink << codec::FileErrorKind::BrokenLink;
}

// The window must tell these from a missing diary: it shows nothing and
// writes nothing until a read succeeds.
void TestDiaryFile::readFailureIsNoEmptyDiary()
{
    QFETCH(InPlace, inPlace);
    QFETCH(codec::FileErrorKind, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(diary::DiaryFileName);
    switch (inPlace) {
    case InPlace::Folder:
        QVERIFY(QDir(dir.path()).mkdir(diary::DiaryFileName));
        break;
    case InPlace::FileOverTheLimit: {
        // Sparse: the size is there without the bytes.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Rec1) == Rec1.size());
        QVERIFY(file.resize(diary::DiaryFileLimit + 1));
        break;
    }
    case InPlace::DanglingLink:
        QVERIFY(QFile::link(dir.filePath("gone.dat"), path));
        break;
    }

    const diary::DiaryReadResult result = diary::ReadDiaryFile(path);
    QCOMPARE(result.status, codec::ReadStatus::Failed);
    QCOMPARE(result.error.kind, kind);
    QVERIFY(result.records.empty());
    QVERIFY(result.diaryEmpty);
}

void TestDiaryFile::writeThenRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(diary::DiaryFileName);
    QVERIFY(PutFile(path, "old content that is longer than the new one\r\n" + Rec2 + Rec2 + Rec2));

    const UnvisibleList records{Record("03.02.2004", "09:05", "first", "(null)", "0100000000")};
    QCOMPARE(diary::WriteDiaryFile(path, records).kind, codec::FileErrorKind::None);
    QCOMPARE(FileBytes(path), Rec1);
    const diary::DiaryReadResult read = diary::ReadDiaryFile(path);
    QCOMPARE(read.status, codec::ReadStatus::Read);
    QCOMPARE(Describe(read.records), QStringList{Rec1Text});

    // Deleting every record leaves a file of 0 bytes, not a missing file.
    QCOMPARE(diary::WriteDiaryFile(path, {}).kind, codec::FileErrorKind::None);
    QVERIFY(QFile::exists(path));
    QCOMPARE(FileBytes(path), QByteArray());
}

// Tests run as root, so a read-only folder would not stop the write; these
// places fail for everyone.
enum class Blocker { FolderIsFile, PathIsDirectory, NameTooLongForTemporaryCopy };
Q_DECLARE_METATYPE(Blocker)

void TestDiaryFile::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<Blocker>("blocker");
    QTest::addColumn<codec::FileErrorKind>("kind");
    QTest::newRow("folder is a regular file") << Blocker::FolderIsFile << codec::FileErrorKind::FolderIsFile;
    QTest::newRow("path is a directory") << Blocker::PathIsDirectory << codec::FileErrorKind::InTheWay;
    QTest::newRow("existing file, no room for the temporary copy's name")
        << Blocker::NameTooLongForTemporaryCopy << codec::FileErrorKind::Other;
}

void TestDiaryFile::writeFailureKeepsOldFile()
{
    QFETCH(Blocker, blocker);
    QFETCH(codec::FileErrorKind, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // `kept` is the file already on disk that a failed write must not touch.
    QString target;
    QString kept;
    switch (blocker) {
    case Blocker::FolderIsFile:
        kept = dir.filePath("data");
        target = kept + "/" + diary::DiaryFileName;
        break;
    case Blocker::PathIsDirectory:
        target = dir.filePath(diary::DiaryFileName);
        QVERIFY(QDir(dir.path()).mkdir(diary::DiaryFileName));
        kept = target + "/inside.txt";
        break;
    case Blocker::NameTooLongForTemporaryCopy:
        // 250 characters fit a file name; the ".XXXXXX" of the copy does not.
        target = dir.filePath(QString(250, u'd'));
        kept = target;
        break;
    }
    const QByteArray oldBytes = Rec1 + Rec2;
    QVERIFY(PutFile(kept, oldBytes));

    const UnvisibleList records{Record("05.02.2004", "12:00", "new", "(null)", "0000000000")};
    const codec::FileError error = diary::WriteDiaryFile(target, records);
    QCOMPARE(error.kind, kind);
    QCOMPARE(FileBytes(kept), oldBytes);
}

QTEST_APPLESS_MAIN(TestDiaryFile)
#include "tst_diaryfile.moc"
