#pragma once

#include <QMetaType>
#include <QTest>

#include "codec/FileIO.h"

// Lets Qt Test rows carry the file layer's results and print them when a
// comparison fails.
Q_DECLARE_METATYPE(codec::FileErrorKind)
Q_DECLARE_METATYPE(codec::ReadStatus)

namespace codec {

inline const char *NameOf(FileErrorKind kind)
{
    switch (kind) {
    case FileErrorKind::None:
        return "None";
    case FileErrorKind::NoSpace:
        return "NoSpace";
    case FileErrorKind::TooLarge:
        return "TooLarge";
    case FileErrorKind::FolderMissing:
        return "FolderMissing";
    case FileErrorKind::FolderIsFile:
        return "FolderIsFile";
    case FileErrorKind::InTheWay:
        return "InTheWay";
    case FileErrorKind::NotAllowed:
        return "NotAllowed";
    case FileErrorKind::NotRegularFile:
        return "NotRegularFile";
    case FileErrorKind::TooBig:
        return "TooBig";
    case FileErrorKind::BrokenLink:
        return "BrokenLink";
    case FileErrorKind::IoError:
        return "IoError";
    case FileErrorKind::Other:
        return "Other";
    }
    return "?";
}

inline char *toString(FileErrorKind kind)
{
    return qstrdup(NameOf(kind));
}

inline char *toString(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Missing:
        return qstrdup("Missing");
    case ReadStatus::Read:
        return qstrdup("Read");
    case ReadStatus::Failed:
        return qstrdup("Failed");
    }
    return qstrdup("?");
}

} // namespace codec
