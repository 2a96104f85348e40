#pragma once

#include <QByteArray>
#include <QString>

// The one reader and the one writer of the program's files. Both say what went
// wrong as a kind the window words in the current language, with the system's
// own text after it.
namespace codec {

enum class FileErrorKind {
    None,
    NoSpace,        // the disk, or the user's share of it, is full
    TooLarge,       // the system does not allow a file that large (a file size limit)
    FolderMissing,  // the file's folder does not exist
    FolderIsFile,   // the folder's path leads to a file
    InTheWay,       // a folder has the file's name
    NotAllowed,     // no permission, or a read-only file system
    NotRegularFile, // a device, a pipe or a socket has the file's name
    TooBig,         // larger than the reader takes for this file
    BrokenLink,     // a symbolic link that leads to nothing
    IoError,        // the device reported an input or output error
    Other,
};

struct FileError {
    FileErrorKind kind = FileErrorKind::None;
    // The system's own words ("File too large"), where it gave any.
    QString systemText;
    // For TooBig: the most the reader takes, in bytes.
    qint64 sizeLimit = 0;

    bool failed() const { return kind != FileErrorKind::None; }
};

// Missing: nothing has the file's name (an empty diary, book or note, the
// default options). Failed: something is there but could not be read; it must
// not be overwritten.
enum class ReadStatus { Missing, Read, Failed };

struct FileReadResult {
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    FileError error; // set when Failed
};

// Reads a whole regular file of at most maxBytes. A FIFO, a device, a socket
// or a folder is refused without being read (a FIFO never blocks the call),
// so is a larger file; a link that leads nowhere is a failure, not a missing
// file. Prints nothing.
[[nodiscard]] FileReadResult ReadFileBytes(const QString &path, qint64 maxBytes);

// Replaces the file's content through QSaveFile: the old file stays whole
// until the new one is complete, and stays as it was when anything fails.
[[nodiscard]] FileError SaveFileBytes(const QString &path, const QByteArray &bytes);

} // namespace codec
