#pragma once

#include "platform/PowerOff.h"

namespace platform {

// logind's PowerOff on the system bus, interactive false, so the system's
// policy decides without asking. Built into the planner's executable only:
// no test program can link it.
class LogindPowerOff final : public PowerOff {
public:
    void requestPowerOff() override;
};

} // namespace platform
