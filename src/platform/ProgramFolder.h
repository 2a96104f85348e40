#pragma once

#include <QString>

namespace platform {

// Where the data files live: the executable's folder when it is writable, as
// they always have (a portable install); otherwise the per-user application
// data folder, created when missing.
QString ChooseProgramFolder(const QString &executableFolder);

} // namespace platform
