#pragma once

namespace platform {

// The alarm wave. play() starts it from the beginning, also while it still
// sounds, and returns at once; stop() silences it. Without a sound device
// nothing sounds and nothing is reported.
class AlarmSound {
public:
    virtual ~AlarmSound() = default;
    virtual void play() = 0;
    virtual void stop() = 0;
};

} // namespace platform
