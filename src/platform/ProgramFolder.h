#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A file that makes the executable's folder hold the data, even before any
// data file is there.
inline const QString PortableMarker = QStringLiteral("tolvik.portable");

// The files the planner keeps in its program folder.
inline const QStringList DataFileNames = {QStringLiteral("tolvik.dat"), QStringLiteral("tolvik.ini"),
                                          QStringLiteral("note.txt"), QStringLiteral("phones.dat")};

struct ProgramFolderChoice {
    QString folder;        // where the data files live; empty when no folder could be had
    bool writable = false; // false: the files are read, but no save can succeed
    QString failedFolder;  // the folder that could not be made, when `folder` is empty
    int errorNumber = 0;   // the system's error code for that failure

    bool ok() const { return !folder.isEmpty(); }
};

// True when files can be made in `folder`: its permissions allow it and its
// filesystem is not mounted read-only (root passes every permission check,
// but not that one).
[[nodiscard]] bool IsWritableFolder(const QString &folder);

// Where the data files live. The executable's folder when the portable marker
// or any data file is already there, writable or not, so the diary is never
// hidden behind an empty folder; otherwise the per-user `userDataFolder`,
// made when missing.
[[nodiscard]] ProgramFolderChoice ChooseProgramFolder(const QString &executableFolder, const QString &userDataFolder);

// The same with the per-user application data folder of the system.
[[nodiscard]] ProgramFolderChoice ChooseProgramFolder(const QString &executableFolder);

} // namespace platform
