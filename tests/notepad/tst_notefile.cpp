#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "../support/FileResults.h"
#include "notepad/NoteFile.h"

class TstNoteFile : public QObject {
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void loadFromFile_data();
    void loadFromFile();
    void save_data();
    void save();
    void storedBytesSurviveARoundTrip_data();
    void storedBytesSurviveARoundTrip();
    void unreadableFileGivesNothing_data();
    void unreadableFileGivesNothing();
    void saveToFile_data();
    void saveToFile();
    void failedSaveLeavesTheFolder();

private:
    QTemporaryDir m_dir;
};

void TstNoteFile::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("CR LF") << QByteArray("abc\r\ndef") << "abc\ndef";
    QTest::newRow("LF only") << QByteArray("abc\ndef\nghi") << "abc\ndef\nghi";
    QTest::newRow("lone CR") << QByteArray("abc\rdef") << "abc\ndef";
    QTest::newRow("trailing line end kept") << QByteArray("abc\r\n") << "abc\n";
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << "\n\n";
    QTest::newRow("LF then CR is two ends") << QByteArray("a\n\rb") << "a\n\nb";
    QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb") << "a\n\nb";
    QTest::newRow("Cyrillic") << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2, \xB8\xEB\xEA\xE0") << "Привет, ёлка";
}

void TstNoteFile::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(notepad::NoteTextFromBytes(bytes), text);
}

void TstNoteFile::loadFromFile_data()
{
    load_data();
}

void TstNoteFile::loadFromFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(notepad::NoteFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    QTest::failOnWarning(QRegularExpression(".*"));
    const notepad::NoteReadResult loaded = notepad::LoadNoteFile(path);
    QCOMPARE(loaded.status, codec::ReadStatus::Read);
    QCOMPARE(loaded.text, text);
}

void TstNoteFile::save_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("abc Enter def") << "abc\ndef" << QByteArray("abc\r\ndef");
    QTest::newRow("nothing added at the end") << "abc" << QByteArray("abc");
    QTest::newRow("trailing line end kept") << "abc\n" << QByteArray("abc\r\n");
    QTest::newRow("empty lines") << "\n\n" << QByteArray("\r\n\r\n");
    QTest::newRow("Cyrillic") << "Привет, ёлка" << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2, \xB8\xEB\xEA\xE0");
    QTest::newRow("CR LF handed in stays one line end") << "abc\r\ndef" << QByteArray("abc\r\ndef");
    QTest::newRow("lone CR handed in is a line end") << "abc\rdef\r" << QByteArray("abc\r\ndef\r\n");
    QTest::newRow("paragraph and line separators of a document are line ends")
        << QStringLiteral("abc\u2029def\u2028g") << QByteArray("abc\r\ndef\r\ng");
    QTest::newRow("no-break space kept") << QStringLiteral("a\u00a0b") << QByteArray("a\xa0") + "b";
}

void TstNoteFile::save()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(notepad::NoteBytesFromText(text), bytes);
}

void TstNoteFile::storedBytesSurviveARoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("abc CR LF def, 8 bytes") << QByteArray("abc\r\ndef") << QByteArray("abc\r\ndef");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("trailing CR LF") << QByteArray("x\r\n") << QByteArray("x\r\n");
    QTest::newRow("every upper byte") << QByteArray("\xC0\xC1\xDF\xE0\xFF\xA8\xB8")
                                      << QByteArray("\xC0\xC1\xDF\xE0\xFF\xA8\xB8");
    QTest::newRow("LF only saves as CR LF") << QByteArray("abc\ndef\n") << QByteArray("abc\r\ndef\r\n");
    QTest::newRow("lone CR saves as CR LF") << QByteArray("abc\rdef") << QByteArray("abc\r\ndef");
}

void TstNoteFile::storedBytesSurviveARoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, saved);
    QCOMPARE(notepad::NoteBytesFromText(notepad::NoteTextFromBytes(bytes)), saved);
}

void TstNoteFile::unreadableFileGivesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<qint64>("sparseSize"); // of a file made at the name; -1: none
    QTest::addColumn<codec::ReadStatus>("status");
    QTest::addColumn<codec::FileErrorKind>("kind");
    QTest::newRow("missing file") << "missing.txt"
                                  << "" << qint64(-1) << codec::ReadStatus::Missing << codec::FileErrorKind::None;
    QTest::newRow("folder in its place") << "folder.txt"
                                         << "folder.txt" << qint64(-1) << codec::ReadStatus::Failed
                                         << codec::FileErrorKind::InTheWay;
    QTest::newRow("one byte more than a note may hold")
        << "huge.txt"
        << "" << notepad::NoteFileLimit + 1 << codec::ReadStatus::Failed << codec::FileErrorKind::TooBig;
}

// A note that cannot be loaded is never taken for an empty one: the caller
// learns it failed, and nothing is printed.
void TstNoteFile::unreadableFileGivesNothing()
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

    QTest::failOnWarning(QRegularExpression(".*"));
    const notepad::NoteReadResult loaded = notepad::LoadNoteFile(path);
    QCOMPARE(loaded.status, status);
    QCOMPARE(loaded.error.kind, kind);
    QCOMPARE(loaded.text, QString());
}

void TstNoteFile::saveToFile_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<bool>("loadFirst"); // save what the old file loads as, like a start-up then a save
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("abc Enter def, 8 bytes")
        << QByteArray("something longer\r\n") << false << "abc\ndef" << QByteArray("abc\r\ndef");
    QTest::newRow("empty text, 0 bytes") << QByteArray("old") << false << "" << QByteArray();
    QTest::newRow("LF-only file saved with CR LF")
        << QByteArray("abc\ndef\n") << true << "" << QByteArray("abc\r\ndef\r\n");
    QTest::newRow("lone CR file saved with CR LF") << QByteArray("abc\rdef") << true << "" << QByteArray("abc\r\ndef");
}

void TstNoteFile::saveToFile()
{
    QFETCH(QByteArray, old);
    QFETCH(bool, loadFirst);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(notepad::NoteFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(old), old.size());
    file.close();
    if (loadFirst) {
        const notepad::NoteReadResult loaded = notepad::LoadNoteFile(path);
        QCOMPARE(loaded.status, codec::ReadStatus::Read);
        text = loaded.text;
    }
    QVERIFY(!notepad::SaveNoteFile(path, text).failed());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void TstNoteFile::failedSaveLeavesTheFolder()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath("taken.txt");
    QVERIFY(QDir(m_dir.path()).mkpath("taken.txt"));
    QCOMPARE(notepad::SaveNoteFile(path, "abc").kind, codec::FileErrorKind::InTheWay);
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TstNoteFile)
#include "tst_notefile.moc"
