#pragma once

#include <memory>

#include <QUrl>

#include "platform/AlarmSound.h"

class QSoundEffect;

namespace platform {

// The bundled alarm wave through Qt Multimedia, played from memory. The
// player is made at the first play, so a start-up that never rings does not
// pay for the audio system.
class SoundEffectAlarm final : public AlarmSound {
public:
    explicit SoundEffectAlarm(QUrl source = QUrl(QStringLiteral("qrc:/sound/alarm.wav")));
    ~SoundEffectAlarm() override;
    void play() override;
    void stop() override;

private:
    QUrl m_source;
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace platform
