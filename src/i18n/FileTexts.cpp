#include "i18n/FileTexts.h"

#include <QDir>

namespace i18n {
namespace {

using codec::FileErrorKind;

struct KindWords {
    const char *russian;
    const char *english;
};

KindWords WordsOf(FileErrorKind kind)
{
    switch (kind) {
    case FileErrorKind::None:
        return {"", ""};
    case FileErrorKind::NoSpace:
        return {"Недостаточно места на диске", "No space left on the disk"};
    case FileErrorKind::TooLarge:
        return {"Система не допускает файл такого размера", "The system does not allow a file that large"};
    case FileErrorKind::FolderMissing:
        return {"Папка не существует", "The folder does not exist"};
    case FileErrorKind::FolderIsFile:
        return {"На месте папки находится файл", "A file stands where the folder should be"};
    case FileErrorKind::InTheWay:
        return {"На месте файла находится папка", "A folder stands where the file should be"};
    case FileErrorKind::NotAllowed:
        return {"Нет доступа: не хватает прав или диск только для чтения",
                "Not allowed: no permission, or the disk is read-only"};
    case FileErrorKind::NotRegularFile:
        return {"Это не обычный файл, а устройство, канал или сокет",
                "It is not an ordinary file but a device, a pipe or a socket"};
    case FileErrorKind::TooBig:
        return {"Файл больше %1 МБ", "The file is larger than %1 MB"};
    case FileErrorKind::BrokenLink:
        return {"Ссылка ведёт к несуществующему файлу", "The link leads to a file that does not exist"};
    case FileErrorKind::IoError:
        return {"Ошибка ввода-вывода на диске", "The disk reported an input/output error"};
    case FileErrorKind::Other:
        break;
    }
    return {"Непредвиденная ошибка", "Unexpected error"};
}

QString Megabytes(qint64 bytes)
{
    constexpr qint64 Megabyte = 1024 * 1024;
    return QString::number((bytes + Megabyte - 1) / Megabyte);
}

QString PathText(const QString &filePath)
{
    return QDir::toNativeSeparators(filePath);
}

} // namespace

QString FileErrorText(Language language, const codec::FileError &error)
{
    const KindWords words = WordsOf(error.kind);
    QString text = QString::fromUtf8(language == English ? words.english : words.russian);
    if (error.kind == FileErrorKind::TooBig)
        text = text.arg(Megabytes(error.sizeLimit));
    const QString system = error.systemText.trimmed();
    if (!system.isEmpty() && system.compare(text, Qt::CaseInsensitive) != 0)
        text += QStringLiteral(" (") + system + QLatin1Char(')');
    return text;
}

QString ReadFailedMessage(Language language, const QString &filePath, const codec::FileError &error)
{
    const QString text = language == English ? QStringLiteral("Cannot read file \"%1\": %2")
                                             : QStringLiteral("Не удалось прочитать файл \"%1\": %2");
    return text.arg(PathText(filePath), FileErrorText(language, error));
}

QString WriteFailedMessage(Language language, const QString &filePath, const codec::FileError &error)
{
    return WriteFailedMessage(language, filePath, FileErrorText(language, error));
}

QString NotChangedAfterFailedReadMessage(Language language, const QString &filePath)
{
    const QString text = language == English
                             ? QStringLiteral("The file \"%1\" could not be read, so it is not changed.")
                             : QStringLiteral("Файл \"%1\" не удалось прочитать, поэтому он не изменён.");
    return text.arg(PathText(filePath));
}

} // namespace i18n
