// The window's frame, title strip, page control, menus, timers and tray icon,
// with their layout values. The pages' controls are made in
// Unit1LayoutPages.cpp. Nothing here reacts to input.

#include "Unit1.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "LayoutTools.h"
#include "Palette.h"
#include "i18n/Texts.h"
#include "widgets/FlatBorder.h"
#include "widgets/Fonts.h"
#include "widgets/LinkLabel.h"

void TForm1::CreateControls()
{
    CreateWindowFrame();
    CreateTitleStrip();
    CreatePageControl();
    CreateRecordsPage();
    CreateAddRecordPage();
    CreateOptionsPage();
    CreateReminderPage();
    CreateNotepadPage();
    CreatePhonesPage();
    CreateHistoryPage();

    RzLineComboBox1->view(); // its drop-down list exists from now on and takes the font below
    GiveWindowFont(this, font());

    // Each frame is created where it lies; all are put beneath their
    // neighbours once every control of the container exists.
    for (FlatBorder *frame : RzBorder)
        if (frame)
            frame->lower();
}

FlatBorder *TForm1::MakeBorder(int number, QWidget *container, int left, int top, int width, int height)
{
    auto *frame = new FlatBorder(container);
    frame->setObjectName(QStringLiteral("RzBorder%1").arg(number));
    frame->setGeometry(left, top, width, height);
    frame->setFrameColor(palette::FrameBlue);
    RzBorder[number] = frame;
    return frame;
}

void TForm1::CreateWindowFrame()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Толвик"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tolvik.png"));
    icon.addFile(QStringLiteral(":/icons/tolvik32.png"));
    setWindowIcon(icon);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(519, 391);
    setFont(UiFont(11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, palette::Black);
    setPalette(colours);
}

void TForm1::CreateTitleStrip()
{
    Label9 = MakeLabel(this, "Label9", QStringLiteral("\"Толвик\"  "), 14, 3, 363, 13);
    RzURLLabel1 = Place(new LinkLabel(this), "RzURLLabel1", 392, 2, 73, 13);
    RzURLLabel1->setLink(QStringLiteral("mailto:") + i18n::ContactAddress, i18n::ContactAddress);
    RzURLLabel1->setLinkColor(palette::FrameBlue);
    Label6 = MakeLabel(this, "Label6", QStringLiteral("----:----"), 479, 3, 27, 13);
    MakeBorder(1, this, 6, 1, 466, 17);
    MakeBorder(5, this, 474, 1, 38, 17);
}

void TForm1::CreatePageControl()
{
    PageControl1 = Place(new QTabWidget(this), "PageControl1", 5, 21, 507, 352);
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setElideMode(Qt::ElideNone);
    PageControl1->tabBar()->setExpanding(false);
    PageControl1->tabBar()->setDrawBase(true);
    // Tabs 16 pixels high with black captions: 2 of margin, a 1-pixel
    // outline round 12 of caption. The selected tab stands 2 pixels taller
    // and joins the page.
    PageControl1->setStyleSheet(
        QStringLiteral("QTabWidget::pane { border: 1px solid %1; top: -1px; background: palette(window); }"
                       "QTabBar::tab { height: 12px; padding: 0px 5px; color: black; background: palette(button);"
                       " border: 1px solid %1; border-bottom: none; margin-top: 2px; margin-right: -1px; }"
                       "QTabBar::tab:selected { background: palette(window); margin-top: 0px; padding-bottom: 3px; }"
                       "QTabBar::tab:!selected { border-bottom: 1px solid %1; }"
                       "QTabBar::tab:focus { color: black; }")
            .arg(palette::TabBorder.name()));
    struct PageEntry {
        QWidget **page;
        const char *name;
        const char *caption;
    };
    const PageEntry pages[] = {
        {&TabSheet1, "TabSheet1", "Записи"},    {&TabSheet2, "TabSheet2", "Добавить запись"},
        {&TabSheet5, "TabSheet5", "Настройки"}, {&TabSheet3, "TabSheet3", "Напоминание"},
        {&TabSheet6, "TabSheet6", "Блокнот"},   {&TabSheet7, "TabSheet7", "Телефоны"},
        {&TabSheet4, "TabSheet4", "История"},
    };
    for (const PageEntry &entry : pages) {
        auto *page = new QWidget(PageControl1);
        page->setObjectName(QString::fromLatin1(entry.name));
        PageControl1->addTab(page, QString::fromUtf8(entry.caption));
        *entry.page = page;
    }
    PageControl1->setCurrentIndex(0);

    // Status bar: one line of grey text, no size grip.
    StatusBar1 = Place(new QStatusBar(this), "StatusBar1", 0, 373, 519, 18);
    StatusBar1->setSizeGripEnabled(false);
    SetTextColor(StatusBar1, palette::Grey);
}

void TForm1::CreatePopupMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = AddItem(PopupMenu1, "N1", QStringLiteral("Показать окно"));
    N6 = AddItem(PopupMenu1, "N6", QStringLiteral("Блокнот"));
    N2 = AddItem(PopupMenu1, "N2", QStringLiteral("Выгрузить толвик"));

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    N3 = AddItem(PopupMenu2, "N3", QStringLiteral("Показывать заголовки  колонок"));
    N3->setCheckable(true);
    N3->setChecked(false);
    N4 = AddItem(PopupMenu2, "N4", QStringLiteral("Сортировать по дате"));
    N4->setEnabled(false);
    N5 = AddItem(PopupMenu2, "N5", QStringLiteral("Сортировать по времени"));
    N12 = AddItem(PopupMenu2, "N12", QStringLiteral("удалить эту запись"));
    N13 = AddItem(PopupMenu2, "N13", QStringLiteral("перенести на следующий день"));

    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    N8 = AddItem(PopupMenu3, "N8", QStringLiteral("сортировать по имени"));
    N9 = AddItem(PopupMenu3, "N9", QStringLiteral("сортировать по номеру"));
    N10 = AddItem(PopupMenu3, "N10", QStringLiteral("сортировать по адресу"));
    N7 = AddItem(PopupMenu3, "N7", QStringLiteral("Показывать заголовки колонок"));
    N7->setCheckable(true);
    N7->setChecked(false);
    N11 = AddItem(PopupMenu3, "N11", QStringLiteral("удалить запись"));

    for (QMenu *menu : {PopupMenu1, PopupMenu2, PopupMenu3})
        menu->setFont(font());
}

void TForm1::CreateComponents()
{
    Timer1 = MakeTimer(this, "Timer1", 5000); // started by the start-up
    Timer2 = MakeTimer(this, "Timer2", 5010);
    Timer3 = MakeTimer(this, "Timer3", 1100);
    Timer4 = MakeTimer(this, "Timer4", 5000);
    Timer4->setSingleShot(true);
    Timer5 = MakeTimer(this, "Timer5", 200);

    RzTrayIcon1 = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/tray.png")), this);
    RzTrayIcon1->setObjectName(QStringLiteral("RzTrayIcon1"));
    RzTrayIcon1->setToolTip(QStringLiteral("Толвик"));
    RzTrayIcon1->setContextMenu(PopupMenu1);

    OpenDialog1Title = QStringLiteral("Выбор файла для запуска");
}
