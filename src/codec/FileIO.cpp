#include "codec/FileIO.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace codec {
namespace {

FileErrorKind KindOfErrno(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return FileErrorKind::NoSpace;
    case EFBIG:
        return FileErrorKind::TooLarge;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileErrorKind::NotAllowed;
    case ENOENT:
        return FileErrorKind::FolderMissing;
    case ENOTDIR:
        return FileErrorKind::FolderIsFile;
    case EISDIR:
        return FileErrorKind::InTheWay;
    case ELOOP:
        return FileErrorKind::BrokenLink;
    case EIO:
        return FileErrorKind::IoError;
    default:
        return FileErrorKind::Other;
    }
}

FileError SystemError(int code)
{
    return {KindOfErrno(code), qt_error_string(code)};
}

FileError OwnFinding(FileErrorKind kind)
{
    return {kind, {}};
}

// Reading -----------------------------------------------------------------------

FileReadResult Failed(FileError error)
{
    return {ReadStatus::Failed, {}, std::move(error)};
}

// Only a regular file within the limit is opened, so a device is never opened
// and a FIFO never waits for a writer.
FileError RefusalOf(const struct stat &info, qint64 maxBytes)
{
    if (S_ISDIR(info.st_mode))
        return OwnFinding(FileErrorKind::InTheWay);
    if (!S_ISREG(info.st_mode))
        return OwnFinding(FileErrorKind::NotRegularFile);
    if (info.st_size > maxBytes)
        return {FileErrorKind::TooBig, {}, maxBytes};
    return {};
}

// The name leads to nothing. A link whose target is gone is still something
// the user put there: it fails rather than reading as an empty file.
FileReadResult NothingToOpen(const QByteArray &name, int code)
{
    if (code == ENOENT) {
        struct stat link {};
        if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return Failed(OwnFinding(FileErrorKind::BrokenLink));
        return {};
    }
    if (code == ENOTDIR) // a file stands where a folder of the path should be
        return {};
    return Failed(SystemError(code));
}

int OpenForReading(const QByteArray &name)
{
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads to the end, taking one byte more than the limit at most, so a file
// that grew since it was measured is still refused.
FileReadResult ReadToEnd(int fd, qint64 expectedSize, qint64 maxBytes)
{
    constexpr qint64 MinimumRoom = 4096;
    QByteArray bytes(qMin(expectedSize, maxBytes) + 1, Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                return Failed({FileErrorKind::TooBig, {}, maxBytes});
            bytes.resize(qMin(qMax(2 * filled, MinimumRoom), maxBytes + 1));
        }
        const ssize_t count = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return Failed(SystemError(errno));
        }
        if (count == 0)
            break;
        filled += count;
    }
    bytes.truncate(filled);
    return {ReadStatus::Read, std::move(bytes), {}};
}

// Writing -----------------------------------------------------------------------

// Qt often has no more to say than "Unknown error"; the system's errno, taken
// right after the failed call, names the cause.
FileError WriteFailure(int code, const QFileDevice &file)
{
    if (code != 0 && code != EINTR && code != EAGAIN)
        return SystemError(code);
    const QString reported = file.errorString();
    const QString text = reported == QLatin1String("Unknown error") ? QString() : reported;
    if (file.error() == QFileDevice::ResourceError)
        return {FileErrorKind::NoSpace, text};
    return {FileErrorKind::Other, text};
}

// QSaveFile cannot create its temporary copy: say what is in the way.
FileError OpenFailure(const QString &path, int code, const QFileDevice &file)
{
    const QFileInfo target(path);
    if (target.isDir())
        return OwnFinding(FileErrorKind::InTheWay);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return OwnFinding(FileErrorKind::FolderMissing);
    if (!folder.isDir())
        return OwnFinding(FileErrorKind::FolderIsFile);
    return WriteFailure(code, file);
}

FileError WriteAll(QSaveFile &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return WriteFailure(errno, file);
        done += written;
        // A short count that came with a reason (a size limit, a full disk) is
        // the failure; without one, the next write tells.
        if (done < bytes.size() && errno != 0 && errno != EINTR && errno != EAGAIN)
            return SystemError(errno);
    }
    return {};
}

} // namespace

FileReadResult ReadFileBytes(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return NothingToOpen(name, errno);
    if (const FileError refusal = RefusalOf(info, maxBytes); refusal.failed())
        return Failed(refusal);

    const int fd = OpenForReading(name);
    if (fd < 0)
        return NothingToOpen(name, errno);
    // The name may have changed hands since the look: judge what was opened.
    FileReadResult result;
    if (::fstat(fd, &info) != 0)
        result = Failed(SystemError(errno));
    else if (const FileError refusal = RefusalOf(info, maxBytes); refusal.failed())
        result = Failed(refusal);
    else
        result = ReadToEnd(fd, info.st_size, maxBytes);
    ::close(fd);
    return result;
}

FileError SaveFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: every byte reaches the system inside write(), so its count
    // and its errno tell the truth, and nothing is left for commit() to
    // flush, whose failure Qt 6.4 does not report.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return OpenFailure(path, errno, file);

    FileError error = WriteAll(file, bytes);
    if (!error.failed()) {
        errno = 0;
        if (!file.flush())
            error = WriteFailure(errno, file);
    }
    if (error.failed()) {
        file.cancelWriting();
        return error;
    }
    errno = 0;
    if (!file.commit())
        return WriteFailure(errno, file);
    return {};
}

} // namespace codec
