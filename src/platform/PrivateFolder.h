#pragma once

#include <QString>

namespace platform {

// A folder only this user can reach, for the planner's activation socket:
// `tolvik` under XDG_RUNTIME_DIR when that is set, absolute and private; else
// `tolvik-run` in the user's cache folder, when that folder is this user's
// (or root's) and writable by nobody else. Made with mode 0700 when missing;
// one of ours with another mode is set to 0700. Empty when neither can be
// had: a link, a file or another user's folder in the way.
[[nodiscard]] QString PrivateRuntimeFolder();

} // namespace platform
