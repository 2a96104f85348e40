#pragma once

namespace platform {

// Asks the system to power off: a full shutdown, neither forced nor a
// restart. The answer is not awaited beyond sending the request, and its
// result is ignored; the caller ends the program afterwards.
class PowerOff {
public:
    virtual ~PowerOff() = default;
    virtual void requestPowerOff() = 0;
};

} // namespace platform
