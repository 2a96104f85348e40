#include "platform/desktop/SoundEffectAlarm.h"

#include <QSoundEffect>

namespace platform {

SoundEffectAlarm::SoundEffectAlarm(QUrl source) : m_source(std::move(source)) {}

SoundEffectAlarm::~SoundEffectAlarm() = default;

void SoundEffectAlarm::play()
{
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setSource(m_source);
    }
    // A play while the wave sounds starts it again from the beginning.
    if (m_effect->isPlaying())
        m_effect->stop();
    m_effect->play();
}

void SoundEffectAlarm::stop()
{
    if (m_effect)
        m_effect->stop();
}

} // namespace platform
