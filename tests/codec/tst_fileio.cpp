#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "../support/ChildProcess.h"
#include "../support/FileResults.h"
#include "codec/FileIO.h"

using codec::FileError;
using codec::FileErrorKind;
using codec::FileReadResult;
using codec::ReadStatus;

namespace {

bool PutFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Bytes that differ from one position to the next, so a shifted or cut copy shows.
QByteArray Pattern(qsizetype size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(seed + i % 61);
    return bytes;
}

QByteArray Serialize(const FileReadResult &result)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream << int(result.status) << int(result.error.kind) << result.error.systemText << result.error.sizeLimit
           << result.bytes;
    return out;
}

FileReadResult DeserializeRead(const QByteArray &in)
{
    QDataStream stream(in);
    int status = 0;
    int kind = 0;
    FileReadResult result;
    stream >> status >> kind >> result.error.systemText >> result.error.sizeLimit >> result.bytes;
    result.status = ReadStatus(status);
    result.error.kind = FileErrorKind(kind);
    return result;
}

QByteArray Serialize(const FileError &error)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream << int(error.kind) << error.systemText;
    return out;
}

FileError DeserializeError(const QByteArray &in)
{
    QDataStream stream(in);
    int kind = 0;
    FileError error;
    stream >> kind >> error.systemText;
    error.kind = FileErrorKind(kind);
    return error;
}

// What stands at the name the reader is given.
enum class ReadPlace {
    Nothing,
    File,
    FileWithoutPermissions,
    Folder,
    Fifo,
    LinkToDevZero,
    LinkToFile,
    DanglingLink,
    LinkLoop,
    FolderMissing,
    PathThroughAFile,
};

// What stands in the way of the writer.
enum class WritePlace { OldFile, FolderNotWritable, FolderMissing, FolderIsFile, FolderAtTheName, NameTooLong };

} // namespace

Q_DECLARE_METATYPE(ReadPlace)
Q_DECLARE_METATYPE(WritePlace)

class TestFileIO : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void write_data();
    void write();
};

void TestFileIO::read_data()
{
    QTest::addColumn<ReadPlace>("place");
    QTest::addColumn<QByteArray>("content"); // of the file, where there is one
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<FileErrorKind>("kind");
    QTest::addColumn<QString>("systemText");

    const QByteArray text("03.02.2004 09:05\r\n\xcf\xee\r\n");
    const QByteArray large = Pattern(300 * 1000, 'a');
    const qint64 big = 1 << 20;

    QTest::newRow("nothing at the name is missing") << ReadPlace::Nothing << QByteArray() << big << false
                                                    << ReadStatus::Missing << FileErrorKind::None << QString();
    QTest::newRow("regular file") << ReadPlace::File << text << big << false << ReadStatus::Read << FileErrorKind::None
                                  << QString();
    QTest::newRow("empty file is read, not missing")
        << ReadPlace::File << QByteArray() << big << false << ReadStatus::Read << FileErrorKind::None << QString();
    QTest::newRow("300 KB file read whole")
        << ReadPlace::File << large << big << false << ReadStatus::Read << FileErrorKind::None << QString();
    QTest::newRow("exactly at the limit") << ReadPlace::File << QByteArray(64, 'x') << qint64(64) << false
                                          << ReadStatus::Read << FileErrorKind::None << QString();
    QTest::newRow("one byte over the limit") << ReadPlace::File << QByteArray(65, 'x') << qint64(64) << false
                                             << ReadStatus::Failed << FileErrorKind::TooBig << QString();
    QTest::newRow("folder in its place") << ReadPlace::Folder << QByteArray() << big << false << ReadStatus::Failed
                                         << FileErrorKind::InTheWay << QString();
    QTest::newRow("FIFO in its place, no writer: refused at once")
        << ReadPlace::Fifo << QByteArray() << big << false << ReadStatus::Failed << FileErrorKind::NotRegularFile
        << QString();
    QTest::newRow("link to /dev/zero: refused without reading")
        << ReadPlace::LinkToDevZero << QByteArray() << big << false << ReadStatus::Failed
        << FileErrorKind::NotRegularFile << QString();
    QTest::newRow("link to a regular file is followed")
        << ReadPlace::LinkToFile << text << big << false << ReadStatus::Read << FileErrorKind::None << QString();
    QTest::newRow("dangling link fails, is not missing")
        << ReadPlace::DanglingLink << QByteArray() << big << false << ReadStatus::Failed << FileErrorKind::BrokenLink
        << QString();
    QTest::newRow("links in a loop") << ReadPlace::LinkLoop << QByteArray() << big << false << ReadStatus::Failed
                                     << FileErrorKind::BrokenLink
                                     << QStringLiteral("Too many levels of symbolic links");
    QTest::newRow("folder of the path missing") << ReadPlace::FolderMissing << QByteArray() << big << false
                                                << ReadStatus::Missing << FileErrorKind::None << QString();
    QTest::newRow("a file where a folder of the path should be")
        << ReadPlace::PathThroughAFile << QByteArray() << big << false << ReadStatus::Missing << FileErrorKind::None
        << QString();
    // Permissions do not stop root; they stop a plain user.
    QTest::newRow("no permissions, read by root") << ReadPlace::FileWithoutPermissions << text << big << false
                                                  << ReadStatus::Read << FileErrorKind::None << QString();
    QTest::newRow("no permissions, read by a plain user")
        << ReadPlace::FileWithoutPermissions << text << big << true << ReadStatus::Failed << FileErrorKind::NotAllowed
        << QStringLiteral("Permission denied");
}

void TestFileIO::read()
{
    QFETCH(ReadPlace, place);
    QFETCH(QByteArray, content);
    QFETCH(qint64, limit);
    QFETCH(bool, asNobody);
    QFETCH(ReadStatus, status);
    QFETCH(FileErrorKind, kind);
    QFETCH(QString, systemText);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QString path = dir.filePath("tolvik.dat");
    const QString other = dir.filePath("other.dat");
    switch (place) {
    case ReadPlace::Nothing:
        break;
    case ReadPlace::File:
        QVERIFY(PutFile(path, content));
        break;
    case ReadPlace::FileWithoutPermissions:
        QVERIFY(PutFile(path, content));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0) == 0);
        break;
    case ReadPlace::Folder:
        QVERIFY(QDir(dir.path()).mkdir("tolvik.dat"));
        break;
    case ReadPlace::Fifo:
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        break;
    case ReadPlace::LinkToDevZero:
        QVERIFY(QFile::link("/dev/zero", path));
        break;
    case ReadPlace::LinkToFile:
        QVERIFY(PutFile(other, content));
        QVERIFY(QFile::link(other, path));
        break;
    case ReadPlace::DanglingLink:
        QVERIFY(QFile::link(dir.filePath("gone.dat"), path));
        break;
    case ReadPlace::LinkLoop:
        QVERIFY(QFile::link(other, path));
        QVERIFY(QFile::link(path, other));
        break;
    case ReadPlace::FolderMissing:
        break;
    case ReadPlace::PathThroughAFile:
        QVERIFY(PutFile(dir.filePath("data"), "x"));
        break;
    }
    QString readPath = path;
    if (place == ReadPlace::FolderMissing)
        readPath = dir.filePath("missing/tolvik.dat");
    else if (place == ReadPlace::PathThroughAFile)
        readPath = dir.filePath("data/tolvik.dat");

    // In a child with a timeout, so a read that blocks fails the row instead
    // of hanging the test.
    ChildSetup setup;
    setup.asNobody = asNobody;
    setup.timeoutSeconds = 5;
    const ChildOutcome outcome = RunInChild(setup, [&] { return Serialize(codec::ReadFileBytes(readPath, limit)); });
    QVERIFY2(outcome.failure.isEmpty(), qPrintable(outcome.failure));
    const FileReadResult result = DeserializeRead(outcome.answer);

    QCOMPARE(result.status, status);
    QCOMPARE(result.error.kind, kind);
    QCOMPARE(result.bytes, status == ReadStatus::Read ? content : QByteArray());
    if (!systemText.isEmpty())
        QCOMPARE(result.error.systemText, systemText);
    if (kind == FileErrorKind::TooBig)
        QCOMPARE(result.error.sizeLimit, limit);
}

void TestFileIO::write_data()
{
    QTest::addColumn<WritePlace>("place");
    QTest::addColumn<qint64>("fileSizeLimit"); // -1: none
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<int>("newSize");
    QTest::addColumn<FileErrorKind>("kind");
    QTest::addColumn<QString>("systemText");

    // Qt buffers 16 KB: 10,000 bytes reach the system only when flushed,
    // 100,000 bytes while written.
    const QString tooLarge = QStringLiteral("File too large");
    QTest::newRow("size limit 5,000: 4,000 bytes fit")
        << WritePlace::OldFile << qint64(5000) << false << 4000 << FileErrorKind::None << QString();
    QTest::newRow("size limit 5,000: exactly 5,000 bytes fit")
        << WritePlace::OldFile << qint64(5000) << false << 5000 << FileErrorKind::None << QString();
    QTest::newRow("size limit 5,000: one byte over")
        << WritePlace::OldFile << qint64(5000) << false << 5001 << FileErrorKind::TooLarge << tooLarge;
    QTest::newRow("size limit 5,000: 10,000 bytes, less than Qt buffers")
        << WritePlace::OldFile << qint64(5000) << false << 10000 << FileErrorKind::TooLarge << tooLarge;
    QTest::newRow("size limit 5,000: 100,000 bytes, more than Qt buffers")
        << WritePlace::OldFile << qint64(5000) << false << 100000 << FileErrorKind::TooLarge << tooLarge;
    QTest::newRow("no limit: empty content")
        << WritePlace::OldFile << qint64(-1) << false << 0 << FileErrorKind::None << QString();
    QTest::newRow("folder not writable for a plain user")
        << WritePlace::FolderNotWritable << qint64(-1) << true << 4000 << FileErrorKind::NotAllowed
        << QStringLiteral("Permission denied");
    QTest::newRow("folder missing") << WritePlace::FolderMissing << qint64(-1) << false << 4000
                                    << FileErrorKind::FolderMissing << QString();
    QTest::newRow("a file where the folder should be")
        << WritePlace::FolderIsFile << qint64(-1) << false << 4000 << FileErrorKind::FolderIsFile << QString();
    QTest::newRow("a folder at the file's name")
        << WritePlace::FolderAtTheName << qint64(-1) << false << 4000 << FileErrorKind::InTheWay << QString();
    // 250 characters fit a file name; the ".XXXXXX" of the temporary copy does not.
    QTest::newRow("name leaves no room for the temporary copy's")
        << WritePlace::NameTooLong << qint64(-1) << false << 4000 << FileErrorKind::Other
        << QStringLiteral("File name too long");
}

// Every write runs in a child: the size limit and the plain user hold for the
// child alone, and the parent checks the disk afterwards.
void TestFileIO::write()
{
    QFETCH(WritePlace, place);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(bool, asNobody);
    QFETCH(int, newSize);
    QFETCH(FileErrorKind, kind);
    QFETCH(QString, systemText);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther));
    // `kept` is the file already on disk; a failed write must leave it as it was.
    QString target = dir.filePath("tolvik.dat");
    QString kept = target;
    switch (place) {
    case WritePlace::OldFile:
    case WritePlace::FolderNotWritable:
        break;
    case WritePlace::FolderMissing:
        target = dir.filePath("missing/tolvik.dat");
        break;
    case WritePlace::FolderIsFile:
        kept = dir.filePath("data");
        target = kept + "/tolvik.dat";
        break;
    case WritePlace::FolderAtTheName:
        QVERIFY(QDir(dir.path()).mkdir("tolvik.dat"));
        kept = target + "/inside.dat";
        break;
    case WritePlace::NameTooLong:
        target = dir.filePath(QString(250, u'd'));
        kept = target;
        break;
    }
    const QByteArray oldBytes = Pattern(3000, 'o');
    QVERIFY(PutFile(kept, oldBytes));
    const QStringList before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    ChildSetup setup;
    setup.asNobody = asNobody;
    if (fileSizeLimit >= 0)
        setup.fileSizeLimit = rlim_t(fileSizeLimit);
    const QByteArray newBytes = Pattern(newSize, 'n');
    const ChildOutcome outcome = RunInChild(setup, [&] { return Serialize(codec::SaveFileBytes(target, newBytes)); });
    QVERIFY2(outcome.failure.isEmpty(), qPrintable(outcome.failure));
    const FileError error = DeserializeError(outcome.answer);

    QCOMPARE(error.kind, kind);
    if (!systemText.isEmpty())
        QCOMPARE(error.systemText, systemText);
    QCOMPARE(FileBytes(kept), kind == FileErrorKind::None ? newBytes : oldBytes);
    // No temporary copy is left behind, whatever happened.
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
}

QTEST_APPLESS_MAIN(TestFileIO)
#include "tst_fileio.moc"
