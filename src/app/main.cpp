#include <QApplication>
#include <QMessageBox>
#include <QSystemTrayIcon>

#include <exception>

#include "MessageBox.h"
#include "SingleInstance.h"
#include "Unit1.h"
#include "platform/Clock.h"
#include "platform/OwnerName.h"
#include "platform/ProgramFolder.h"
#include "platform/StartWithSession.h"
#include "widgets/HintStyle.h"

namespace {

int Run(QApplication &app)
{
    const QString folder = platform::ChooseProgramFolder(QCoreApplication::applicationDirPath());
    SingleInstance instance(folder);
    if (!instance.becomePrimary())
        return 0;

    platform::SystemClock clock;
    platform::XdgAutostart autostart(QCoreApplication::applicationFilePath());
    platform::PasswdOwnerName owner;
    QtMessageBox messageBox;
    TForm1 form(folder, WindowSeams{&clock, &autostart, &owner, &messageBox});
    QObject::connect(&instance, &SingleInstance::activationRequested, &form, &TForm1::restoreFromTray);

    // The icon goes up even when no tray is there yet: one that appears later
    // (a panel starting after the planner) picks it up.
    form.RzTrayIcon1->show();
    const bool trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    if (!form.startsInTray())
        form.showCentred();
    else if (!trayAvailable)
        form.showMinimized(); // no tray on this desktop: keep the window reachable
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tolvik"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Толвик"));
    ApplyHintStyle(app);
    try {
        return Run(app);
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tolvik"), QString::fromLocal8Bit(error.what()));
        return 0;
    }
}
