#include <QApplication>
#include <QSystemTrayIcon>

#include <exception>

#include "MessageBox.h"
#include "SingleInstance.h"
#include "StartNotices.h"
#include "Unit1.h"
#include "platform/Clock.h"
#include "platform/OwnerName.h"
#include "platform/ProgramFolder.h"
#include "platform/StartWithSession.h"
#include "widgets/HintStyle.h"

namespace {

// Exit status of a start that ended in an error box.
constexpr int StartFailed = 1;

// Qt puts the application's display name after every window title; before
// the window exists it is still the default one, not the box's language.
void UseApplicationTitle(i18n::Language language)
{
    for (const i18n::TextEntry &entry : i18n::TextTable())
        if (entry.property == i18n::Property::ApplicationTitle)
            QGuiApplication::setApplicationDisplayName(entry.text(language));
}

int ShowStartError(i18n::Language language, const QString &text)
{
    UseApplicationTitle(language);
    QtMessageBox().error(nullptr, i18n::ErrorTitle(language), text);
    return StartFailed;
}

int RunPlanner(QApplication &app, const platform::ProgramFolderChoice &place, SingleInstance &instance)
{
    platform::SystemClock clock;
    platform::XdgAutostart autostart(QCoreApplication::applicationFilePath());
    platform::PasswdOwnerName owner;
    QtMessageBox messageBox;
    TForm1 form(place.folder, WindowSeams{&clock, &autostart, &owner, &messageBox});
    QObject::connect(&instance, &SingleInstance::activationRequested, &form, &TForm1::restoreFromTray);

    // The icon goes up even when no tray is there yet: one that appears later
    // (a panel starting after the planner) picks it up.
    form.RzTrayIcon1->show();
    const bool trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    if (!form.startsInTray())
        form.showCentred();
    else if (!trayAvailable)
        form.showMinimized(); // no tray on this desktop: keep the window reachable
    if (!place.writable)
        ShowReadOnlyFolderNotice(form, messageBox, place.folder);
    return app.exec();
}

// `folder` receives the data folder as soon as it is known, for the language
// of a later error box.
int Run(QApplication &app, QString &folder)
{
    const platform::ProgramFolderChoice place = platform::ChooseProgramFolder(QCoreApplication::applicationDirPath());
    if (!place.ok()) {
        const i18n::Language language = StartLanguage({});
        return ShowStartError(language, i18n::DataFolderFailedMessage(language, place.failedFolder, place.errorNumber));
    }
    folder = place.folder;

    // Before anything reads or writes a file: only the holder of the lock may.
    SingleInstance instance(place.folder, place.writable);
    switch (instance.start()) {
    case SingleInstance::Outcome::HandedOver:
    case SingleInstance::Outcome::OtherStarting:
        return 0;
    case SingleInstance::Outcome::Failed: {
        const i18n::Language language = StartLanguage(place.folder);
        return ShowStartError(language, i18n::LockFailedMessage(language, instance.lockPath(), instance.errorNumber()));
    }
    case SingleInstance::Outcome::Primary:
        break;
    }
    return RunPlanner(app, place, instance);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tolvik"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Толвик"));
    ApplyHintStyle(app);
    QString folder;
    try {
        return Run(app, folder);
    } catch (const std::exception &error) {
        const i18n::Language language = StartLanguage(folder);
        return ShowStartError(language, i18n::StartFailedMessage(language, QString::fromLocal8Bit(error.what())));
    }
}
