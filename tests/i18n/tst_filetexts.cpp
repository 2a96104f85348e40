#include <QSet>
#include <QTest>

#include "../support/FileResults.h"
#include "i18n/FileTexts.h"

using codec::FileError;
using codec::FileErrorKind;
using i18n::English;
using i18n::Language;
using i18n::Russian;

Q_DECLARE_METATYPE(i18n::Language)

class TestFileTexts : public QObject {
    Q_OBJECT
private slots:
    void errorText_data();
    void errorText();
    void everyKindHasItsOwnWords_data();
    void everyKindHasItsOwnWords();
    void messages_data();
    void messages();
};

void TestFileTexts::errorText_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<FileErrorKind>("kind");
    QTest::addColumn<QString>("systemText");
    QTest::addColumn<qint64>("sizeLimit");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru, no space, the system's text follows")
        << Russian << FileErrorKind::NoSpace << "No space left on device" << qint64(0)
        << "Недостаточно места на диске (No space left on device)";
    QTest::newRow("en, no space") << English << FileErrorKind::NoSpace << "No space left on device" << qint64(0)
                                  << "No space left on the disk (No space left on device)";
    QTest::newRow("en, size limit of the system") << English << FileErrorKind::TooLarge << "File too large" << qint64(0)
                                                  << "The system does not allow a file that large (File too large)";
    QTest::newRow("ru, folder missing, no system text")
        << Russian << FileErrorKind::FolderMissing << "" << qint64(0) << "Папка не существует";
    QTest::newRow("en, the same words are not said twice")
        << English << FileErrorKind::FolderMissing << "the folder does not exist" << qint64(0)
        << "The folder does not exist";
    QTest::newRow("ru, larger than the reader takes")
        << Russian << FileErrorKind::TooBig << "" << qint64(16 * 1024 * 1024) << "Файл больше 16 МБ";
    QTest::newRow("en, a limit that is no whole number of MB is rounded up")
        << English << FileErrorKind::TooBig << "" << qint64(1024 * 1024 + 1) << "The file is larger than 2 MB";
    QTest::newRow("en, other error: the system says what") << English << FileErrorKind::Other << "File name too long"
                                                           << qint64(0) << "Unexpected error (File name too long)";
    QTest::newRow("no failure, no words") << English << FileErrorKind::None << "" << qint64(0) << "";
}

void TestFileTexts::errorText()
{
    QFETCH(Language, language);
    QFETCH(FileErrorKind, kind);
    QFETCH(QString, systemText);
    QFETCH(qint64, sizeLimit);
    QFETCH(QString, text);
    QCOMPARE(i18n::FileErrorText(language, FileError{kind, systemText, sizeLimit}), text);
}

void TestFileTexts::everyKindHasItsOwnWords_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("ru") << Russian;
    QTest::newRow("en") << English;
}

// A kind without words of its own would read as "Unexpected error".
void TestFileTexts::everyKindHasItsOwnWords()
{
    QFETCH(Language, language);
    QSet<QString> texts;
    const int first = int(FileErrorKind::None) + 1;
    const int last = int(FileErrorKind::Other);
    for (int kind = first; kind <= last; ++kind)
        texts << i18n::FileErrorText(language, FileError{FileErrorKind(kind), {}, 1024 * 1024});
    QCOMPARE(texts.size(), last - first + 1);
    QVERIFY(!texts.contains(QString()));
}

enum class Message { ReadFailed, WriteFailed, NotChanged };
Q_DECLARE_METATYPE(Message)

void TestFileTexts::messages_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");

    QTest::newRow("read failed, ru") << Message::ReadFailed << Russian
                                     << "Не удалось прочитать файл \"/data/%1 x/tolvik.dat\": "
                                        "Нет доступа: не хватает прав или диск только для чтения (Permission denied)";
    QTest::newRow("read failed, en") << Message::ReadFailed << English
                                     << "Cannot read file \"/data/%1 x/tolvik.dat\": "
                                        "Not allowed: no permission, or the disk is read-only (Permission denied)";
    QTest::newRow("write failed, ru") << Message::WriteFailed << Russian
                                      << "Не удалось записать файл \"/data/%1 x/tolvik.dat\": "
                                         "Нет доступа: не хватает прав или диск только для чтения (Permission denied)";
    QTest::newRow("write failed, en") << Message::WriteFailed << English
                                      << "Cannot write file \"/data/%1 x/tolvik.dat\": "
                                         "Not allowed: no permission, or the disk is read-only (Permission denied)";
    QTest::newRow("not changed, ru") << Message::NotChanged << Russian
                                     << "Файл \"/data/%1 x/tolvik.dat\" не удалось прочитать, поэтому он не изменён.";
    QTest::newRow("not changed, en") << Message::NotChanged << English
                                     << "The file \"/data/%1 x/tolvik.dat\" could not be read, so it is not changed.";
}

void TestFileTexts::messages()
{
    QFETCH(Message, message);
    QFETCH(Language, language);
    QFETCH(QString, text);
    const QString path = QStringLiteral("/data/%1 x/tolvik.dat");
    const FileError error{FileErrorKind::NotAllowed, QStringLiteral("Permission denied")};
    switch (message) {
    case Message::ReadFailed:
        QCOMPARE(i18n::ReadFailedMessage(language, path, error), text);
        break;
    case Message::WriteFailed:
        QCOMPARE(i18n::WriteFailedMessage(language, path, error), text);
        break;
    case Message::NotChanged:
        QCOMPARE(i18n::NotChangedAfterFailedReadMessage(language, path), text);
        break;
    }
}

QTEST_APPLESS_MAIN(TestFileTexts)
#include "tst_filetexts.moc"
