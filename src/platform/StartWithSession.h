#pragma once

#include <QString>

namespace platform {

// Whether the program starts when the user's session starts.
class StartWithSession {
public:
    virtual ~StartWithSession() = default;
    virtual bool isEnabled() const = 0;
    // Returns an empty text on success, else the reason.
    virtual QString setEnabled(bool enabled) = 0;
};

// The XDG autostart entry $XDG_CONFIG_HOME/autostart/Tolvik.desktop (default
// ~/.config/autostart): it exists exactly when the switch is on.
class XdgAutostart final : public StartWithSession {
public:
    explicit XdgAutostart(QString executablePath);
    bool isEnabled() const override;
    QString setEnabled(bool enabled) override;
    QString entryPath() const;

private:
    QString m_executablePath;
};

} // namespace platform
