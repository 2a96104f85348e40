#pragma once

#include "platform/FileLauncher.h"

namespace platform {

// An executable regular file is started detached, with no shell in between,
// so every character of the path is part of the one path. Any other regular
// file goes to the desktop's default program for it (xdg-open). A folder, a
// missing path or anything else starts nothing and says nothing.
class DesktopFileLauncher final : public FileLauncher {
public:
    void launch(const QString &path) override;
};

} // namespace platform
