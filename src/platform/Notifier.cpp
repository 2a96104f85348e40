#include "platform/Notifier.h"

namespace platform {

Notifier::~Notifier() = default;

} // namespace platform
