#pragma once

#include <QString>

namespace platform {

// Starts a record's file and returns at once, reporting nothing: a program is
// run, any other file is opened by the desktop's program for it.
class FileLauncher {
public:
    virtual ~FileLauncher() = default;
    virtual void launch(const QString &path) = 0;
};

} // namespace platform
