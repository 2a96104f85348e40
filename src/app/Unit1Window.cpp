// The window as a window: coming up from the tray, the tray icon and its
// menu, staying on top.

#include "Unit1.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include "LayoutTools.h"
#include "Palette.h"

void TForm1::ConnectWindowHandlers()
{
    connect(N1, &QAction::triggered, this, [this] { N1Click(); });
    connect(RzTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        const auto restoreReason = m_restoreOnSingleClick ? QSystemTrayIcon::Trigger : QSystemTrayIcon::DoubleClick;
        if (reason == restoreReason)
            restoreFromTray();
    });
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Boxes held back while the window was not up come over it once it is
    // on screen: after this event, when the loop runs again.
    if (!m_pendingErrors.isEmpty())
        QTimer::singleShot(0, this, &TForm1::ShowPendingErrors);
}

void TForm1::showCentred()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_everShown = true;
    show();
}

void TForm1::restoreFromTray()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    if (!m_everShown && !isVisible())
        showCentred();
    show();
    raise();
    activateWindow();
    RzTrayIcon1RestoreApp();
}

void TForm1::RzTrayIcon1RestoreApp()
{
    setVisible(true);
}

void TForm1::N1Click()
{
    restoreFromTray();
}

void TForm1::SetStayOnTop(bool onTop)
{
    m_staysOnTop = onTop;
    SetTextColor(Label25, onTop ? palette::Black : palette::Grey);
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides a shown window; bring it back as it was.
    if (wasVisible)
        show();
}
