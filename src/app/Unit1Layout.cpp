// The window's controls, menus and components with their layout values:
// every control by its name, place, size, text at creation and settings.
// Handlers are connected elsewhere (Unit1.cpp); nothing here reacts to input.

#include "Unit1.h"

#include <initializer_list>

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "RecordTableModel.h"
#include "i18n/Texts.h"
#include "widgets/AnimationFX.h"
#include "widgets/Band.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatBorder.h"
#include "widgets/FlatControls.h"
#include "widgets/Fonts.h"
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"
#include "widgets/LinkLabel.h"
#include "widgets/ReportList.h"

namespace {

const QString &MailAddress = i18n::ContactAddress;
const QString DownloadSite = QStringLiteral("example.org");
const QString DownloadPage = QStringLiteral("https://example.org/tolvik");

// Names the widget and puts it at left,top width x height in its container.
template <typename W> W *Place(W *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    auto *label = Place(new QLabel(text, parent), name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// A label sized to its text. Its text is written later, so it is given the
// room up to `right` in its container (it is transparent, so the spare width
// shows nothing) and at least the height of one line of its font.
QLabel *MakeAutoSizeLabel(QWidget *parent, const char *name, const QFont &font, int left, int top, int right)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(left, top);
    label->adjustSize();
    label->resize(qMax(label->width(), right - left), qMax(label->height(), QFontMetrics(font).height()));
    return label;
}

void SetTextColor(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    pal.setColor(QPalette::Text, color);
    widget->setPalette(pal);
}

QLabel *MakePicture(QWidget *parent, const char *name, const QString &resource, int left, int top)
{
    auto *picture = Place(new QLabel(parent), name, left, top, 15, 15);
    picture->setPixmap(QPixmap(resource));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

BitmapButton *MakeButton(QWidget *parent, const char *name, int faceWidth, const QString &caption, int left, int top)
{
    auto *button = Place(new BitmapButton(faceWidth, parent), name, left, top, faceWidth, 20);
    button->setText(caption);
    return button;
}

GlyphCheckBox *MakeCheckBox(QWidget *parent, const char *name, const QString &caption, int left, int top, int width)
{
    return Place(new GlyphCheckBox(caption, parent), name, left, top, width, 18);
}

FlatSpinEdit *MakeSpinEdit(QWidget *parent, const char *name, int maximum, int left, int top, int width, int height)
{
    auto *spin = Place(new FlatSpinEdit(parent), name, left, top, width, height);
    spin->setRange(0, maximum);
    spin->setSingleStep(1); // PageUp and PageDown step by ten
    spin->setValue(0);
    spin->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return spin;
}

// The phone fields: flat, filled with the window colour of text fields.
QLineEdit *MakeMaskEdit(QWidget *parent, const char *name, const QString &mask, int left, int top, int width,
                        bool loweredBevel)
{
    auto *edit = Place(new QLineEdit(parent), name, left, top, width, 22);
    edit->setInputMask(mask);
    if (loweredBevel) {
        edit->setStyleSheet(QStringLiteral("QLineEdit { border-style: solid; border-width: 1px;"
                                           " border-color: #808080 #FFFFFF #FFFFFF #808080;"
                                           " background-color: palette(base); padding: 0px 1px; }"));
    } else {
        edit->setStyleSheet(
            QStringLiteral("QLineEdit { border: none; background-color: palette(base); padding: 0px 1px; }"));
    }
    return edit;
}

QPlainTextEdit *MakeMemo(QWidget *parent, const char *name, const QColor &textColor, int left, int top, int width,
                         int height)
{
    auto *memo = Place(new QPlainTextEdit(parent), name, left, top, width, height);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetTextColor(memo, textColor);
    return memo;
}

QAction *AddItem(QMenu *menu, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

QTimer *MakeTimer(QObject *parent, const char *name, int interval)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    return timer;
}

// Style sheets (the tool tips' among them) stop a parent's font from passing
// down to its children, so every control that has no font of its own is
// given the window's font directly.
void GiveWindowFont(QWidget *root, const QFont &font)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(font);
    }
}

void ChainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

void TForm1::CreateControls()
{
    using namespace palette;

    // The window -----------------------------------------------------------
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
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::Button));
        pal.setColor(QPalette::WindowText, Black);
        setPalette(pal);
    }

    // Each frame is created where it lies; all are put beneath their
    // neighbours once every control of the container exists.
    auto border = [this](int number, QWidget *container, int left, int top, int width, int height) {
        auto *frame = new FlatBorder(container);
        frame->setObjectName(QStringLiteral("RzBorder%1").arg(number));
        frame->setGeometry(left, top, width, height);
        frame->setFrameColor(FrameBlue);
        RzBorder[number] = frame;
        return frame;
    };

    // Title strip ----------------------------------------------------------
    Label9 = MakeLabel(this, "Label9", QStringLiteral("\"Толвик\"  "), 14, 3, 363, 13);
    RzURLLabel1 = Place(new QLabel(this), "RzURLLabel1", 392, 2, 73, 13);
    RzURLLabel1->setFont(font());
    SetLink(RzURLLabel1, QStringLiteral("mailto:") + MailAddress, MailAddress, FrameBlue);
    {
        // The address ends where the frame's right part begins; a longer
        // address reaches further left over the title's free space.
        const int needed = RzURLLabel1->fontMetrics().horizontalAdvance(MailAddress) + 2;
        if (needed > RzURLLabel1->width()) {
            const int right = RzURLLabel1->geometry().right();
            RzURLLabel1->setGeometry(right + 1 - needed, RzURLLabel1->y(), needed, RzURLLabel1->height());
        }
    }
    Label6 = MakeLabel(this, "Label6", QStringLiteral("----:----"), 479, 3, 27, 13);
    border(1, this, 6, 1, 466, 17);
    border(5, this, 474, 1, 38, 17);

    // Page control ---------------------------------------------------------
    PageControl1 = Place(new QTabWidget(this), "PageControl1", 5, 21, 507, 352);
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setElideMode(Qt::ElideNone);
    PageControl1->tabBar()->setExpanding(false);
    PageControl1->tabBar()->setDrawBase(true);
    // Tabs 16 pixels high with black captions; the selected tab joins the page.
    PageControl1->setStyleSheet(
        QStringLiteral("QTabWidget::pane { border: 1px solid #A0A0A0; top: -1px; background: palette(window); }"
                       "QTabBar::tab { height: 16px; padding: 0px 5px; color: black; background: palette(button);"
                       " border: 1px solid #A0A0A0; border-bottom: none; margin-top: 2px; margin-right: -1px; }"
                       "QTabBar::tab:selected { background: palette(window); margin-top: 0px; padding-bottom: 2px; }"
                       "QTabBar::tab:!selected { border-bottom: 1px solid #A0A0A0; }"
                       "QTabBar::tab:focus { color: black; }"));
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
        page->setObjectName(QLatin1String(entry.name));
        PageControl1->addTab(page, QString::fromUtf8(entry.caption));
        *entry.page = page;
    }
    PageControl1->setCurrentIndex(0);

    // Status bar: one line of grey text, no size grip.
    StatusBar1 = Place(new QStatusBar(this), "StatusBar1", 0, 373, 519, 18);
    StatusBar1->setSizeGripEnabled(false);
    SetTextColor(StatusBar1, Grey);

    // Page 0, Records ------------------------------------------------------
    QWidget *page = TabSheet1;
    Panel1 = Place(new Band(BandBlue, page), "Panel1", 14, 5, 469, 27);
    Label11 = MakeAutoSizeLabel(Panel1, "Label11", UiFont(16, true), 7, 4, 469 - 2);

    Panel3 = Place(new Band(BandBlue, page), "Panel3", 14, 37, 469, 25);
    Image2 = MakePicture(Panel3, "Image2", QStringLiteral(":/pictures/image2.png"), 6, 5);
    Label10 = MakeLabel(Panel3, "Label10", QStringLiteral("Записи "), 29, 6, 67, 11);
    auto *filter = Place(new LineComboBox(Panel3), "RzLineComboBox1", 67, 3, 116, 21);
    filter->setBackgroundColor(BandBlue);
    RzLineComboBox1 = filter;
    RzLineComboBox1->addItems({QStringLiteral("на сегодня"), QStringLiteral("на завтра"),
                               QStringLiteral("не напомненные"), QStringLiteral("по дате"), QStringLiteral("ВСЕ")});
    RzLineComboBox1->setCurrentIndex(0);
    RzLineComboBox1->setMaxVisibleItems(5);
    RzDateTimePicker4 = Place(new DatePicker(Panel3), "RzDateTimePicker4", 207, 1, 78, 23);
    RzDateTimePicker4->setBackgroundColor(BandBlue);
    RzDateTimePicker4->setWeekNumbersShown(true);
    Label21 = MakeLabel(Panel3, "Label21", QStringLiteral("Всего записей: "), 312, 6, 82, 13);
    Label22 = MakeLabel(Panel3, "Label22", QStringLiteral("0"), 396, 6, 61, 13);
    border(28, Panel3, 304, 1, 164, 23);
    border(27, Panel3, 24, 1, 167, 25)->hide();

    RzListView1 = Place(new ReportList(page), "RzListView1", 16, 64, 465, 240);
    RzListView1->setModel(m_recordModel);
    {
        const int widths[] = {65, 45, 450, 500, 30, 45};
        for (int column = 0; column < 6; ++column)
            RzListView1->setColumnWidth(column, widths[column]);
    }
    RzListView1->setHeaderShown(false);

    // The hidden list of every record as read from the file.
    RzListView3 = Place(new ReportList(page), "RzListView3", 16, 200, 465, 89);
    RzListView3->setModel(m_unvisibleModel);
    RzListView3->setFocusPolicy(Qt::NoFocus);
    RzListView3->setColumnWidth(4, 299);
    RzListView3->hide();

    Label23 = MakeLabel(page, "Label23", QString(), 16, 310, 385, 13);
    SetTextColor(Label23, Grey);
    Label25 = MakeLabel(page, "Label25", QStringLiteral("     stay on top      "), 415, 310, 68, 11);
    Label25->setFont(SmallFont());
    {
        QPalette pal = Label25->palette();
        pal.setColor(QPalette::Window, BandBlue);
        pal.setColor(QPalette::WindowText, Black);
        Label25->setPalette(pal);
    }
    Label25->setAutoFillBackground(true);

    border(9, page, 13, 4, 471, 29);
    border(4, page, 13, 36, 471, 271);
    border(8, page, 15, 62, 467, 243);
    border(25, page, 414, 309, 70, 13);

    // Page 1, Add record ---------------------------------------------------
    page = TabSheet2;
    Panel2 = Place(new Band(BandBlue, page), "Panel2", 14, 6, 469, 28);
    Label1 = MakeAutoSizeLabel(Panel2, "Label1", UiFont(16, true), 7, 4, 469 - 2);

    Label3 = MakeLabel(page, "Label3", QStringLiteral("Дата:"), 31, 65, 34, 13);
    RzDateTimePicker2 = Place(new DatePicker(page), "RzDateTimePicker2", 70, 61, 77, 23);
    LMDCheckBox9 = MakeCheckBox(page, "LMDCheckBox9", QStringLiteral("Знаменательная дата"), 158, 64, 147);
    Label18 = MakeLabel(page, "Label18", QStringLiteral("часы"), 365, 48, 28, 11);
    Label18->setFont(SmallFont());
    Label19 = MakeLabel(page, "Label19", QStringLiteral("минуты"), 409, 48, 40, 11);
    Label19->setFont(SmallFont());
    Label4 = MakeLabel(page, "Label4", QStringLiteral("Время:"), 313, 65, 40, 13);
    RzSpinEdit1 = MakeSpinEdit(page, "RzSpinEdit1", 23, 357, 61, 37, 22);
    Label5 = MakeLabel(page, "Label5", QStringLiteral(":"), 398, 62, 5, 16);
    Label5->setFont(UiFont(13, true));
    RzSpinEdit2 = MakeSpinEdit(page, "RzSpinEdit2", 59, 406, 61, 35, 22);

    Label16 = MakeLabel(page, "Label16", QStringLiteral("Повторять через каждые"), 24, 104, 137, 13);
    Label16->setEnabled(false);
    RzSpinEdit4 = MakeSpinEdit(page, "RzSpinEdit4", 60, 159, 100, 36, 21);
    RzSpinEdit4->setEnabled(false);
    Label17 = MakeLabel(page, "Label17", QStringLiteral("минут"), 200, 104, 41, 13);
    Label17->setEnabled(false);

    Label2 = MakeLabel(page, "Label2", QStringLiteral("Показывать сообщение:"), 24, 141, 441, 13);
    RzEdit1 = Place(new FlatEdit(page), "RzEdit1", 26, 163, 447, 22);
    RzEdit1->setMaxLength(300);
    LMDCheckBox8 = MakeCheckBox(page, "LMDCheckBox8", QStringLiteral("Воспроизводить звук"), 32, 200, 137);
    LMDCheckBox10 = MakeCheckBox(page, "LMDCheckBox10", QStringLiteral("Выключить компьютер !"), 176, 200, 177);
    LMDCheckBox10->setToolTip(QStringLiteral("Только Windows Me"));

    Label14 = MakeLabel(page, "Label14", QStringLiteral("Запускать файл:"), 26, 235, 191, 13);
    RzBmpButton4 = MakeButton(page, "RzBmpButton4", 75, QStringLiteral("     открыть"), 27, 259);
    RzEdit2 = Place(new FlatEdit(page), "RzEdit2", 103, 258, 370, 22);
    RzEdit2->setMaxLength(300);
    RzEdit2->setReadOnly(true);
    Label8 = MakeAutoSizeLabel(page, "Label8", UiFont(11), 318, 295, 402);
    SetTextColor(Label8, Grey);
    RzBmpButton1 = MakeButton(page, "RzBmpButton1", 81, QStringLiteral("     сохранить"), 402, 292);
    RzBmpButton1->setEnabled(false);

    border(10, page, 13, 5, 471, 30);
    border(3, page, 13, 37, 471, 276);
    border(12, page, 26, 258, 77, 22);
    border(13, page, 401, 291, 83, 22);

    ChainTabOrder({RzEdit1, RzDateTimePicker2, RzSpinEdit1, RzSpinEdit2, RzBmpButton1, RzSpinEdit4, RzBmpButton4,
                   RzEdit2, LMDCheckBox8, LMDCheckBox9, LMDCheckBox10});

    // Page 2, Options ------------------------------------------------------
    page = TabSheet5;
    LMDRadioGroup1 = Place(new LanguageRadioGroup(page), "LMDRadioGroup1", 12, 9, 471, 43);
    LMDRadioGroup1->setCaptionColor(FrameBlue);
    LMDRadioGroup1->setShadowColor(FrameBlue);
    LMDRadioGroup1->setGlyphList(2);

    RzPanel1 = Place(new FlatBorder(page, true), "RzPanel1", 13, 60, 471, 245);
    RzPanel1->setFrameColor(FrameBlue);
    LMDCheckBox1 = MakeCheckBox(RzPanel1, "LMDCheckBox1",
                                QStringLiteral("Не показывать окно при запуске (запускать в трей)"), 20, 25, 429);
    LMDCheckBox1->setChecked(true);
    LMDCheckBox5 = MakeCheckBox(RzPanel1, "LMDCheckBox5",
                                QStringLiteral("Показывать окно только если есть записи на этот день"), 47, 49, 402);
    LMDCheckBox5->setEnabled(false);
    LMDCheckBox2 = MakeCheckBox(RzPanel1, "LMDCheckBox2",
                                QStringLiteral("Востанавливать окно программы из трея одним щелчком"), 20, 73, 429);
    LMDCheckBox3 = MakeCheckBox(RzPanel1, "LMDCheckBox3", QStringLiteral("Оставаться поверх всех окон"), 20, 97, 429);
    LMDCheckBox3->setChecked(true);
    LMDCheckBox4 =
        MakeCheckBox(RzPanel1, "LMDCheckBox4", QStringLiteral("Запускать при загрузке Windows"), 20, 121, 429);
    LMDCheckBox6 = MakeCheckBox(RzPanel1, "LMDCheckBox6", QStringLiteral("Чёрная окантовка"), 20, 145, 429);
    border(16, RzPanel1, 388, 223, 83, 22);

    // The save button lies on the page, over the panel, inside RzBorder16.
    RzBmpButton2 = MakeButton(page, "RzBmpButton2", 81, QStringLiteral("     сохранить"), 402, 284);
    RzBmpButton2->setEnabled(false);
    RzBmpButton2->raise();

    // Page 3, Reminder -----------------------------------------------------
    page = TabSheet3;
    Panel4 = Place(new Band(BandBlue, page), "Panel4", 14, 9, 469, 18);
    Image3 = MakePicture(Panel4, "Image3", QStringLiteral(":/pictures/image3.png"), 5, 2);
    Image1 = MakePicture(Panel4, "Image1", QStringLiteral(":/pictures/image1.png"), 5, 2); // over Image3
    Label12 = MakeLabel(Panel4, "Label12", QStringLiteral("Напоминание:"), 26, 3, 431, 13);
    Memo2 = MakeMemo(page, "Memo2", QColor(Qt::red), 15, 27, 466, 260);
    Memo2->setReadOnly(true);
    RzBmpButton5 = MakeButton(page, "RzBmpButton5", 81, QStringLiteral(" ok"), 402, 289);
    RzURLLabel4 = Place(new QLabel(page), "RzURLLabel4", 14, 297, 376, 13);
    RzURLLabel4->setFont(font());
    SetLink(RzURLLabel4, DownloadPage, QStringLiteral("[download from %1]").arg(DownloadSite), DownloadLink);

    border(2, page, 13, 8, 471, 281);
    border(24, page, 401, 288, 83, 22);

    // Page 4, Notepad ------------------------------------------------------
    page = TabSheet6;
    RzBmpButton3 = MakeButton(page, "RzBmpButton3", 81, QStringLiteral("     сохранить"), 14, 5);
    Memo4 = MakeMemo(page, "Memo4", Black, 15, 27, 467, 276);

    border(15, page, 13, 4, 83, 22);
    border(6, page, 13, 25, 471, 280);
    border(26, page, 390, 2, 25, 24)->hide();
    border(19, page, 421, 2, 24, 24)->hide();

    // Page 5, Phones -------------------------------------------------------
    page = TabSheet7;
    RzBmpButton7 = MakeButton(page, "RzBmpButton7", 81, QStringLiteral("      прочитать"), 14, 8);
    RzBmpButton7->setToolTip(QStringLiteral("нажмите для начала работы с телефонной книгой..."));

    m_phoneModel = new QStandardItemModel(0, 4, this);
    m_phoneModel->setObjectName(QStringLiteral("PhoneModel"));
    m_phoneModel->setHorizontalHeaderLabels({QStringLiteral("Имя"), QStringLiteral("Дом./Раб./Моб. Телефон"),
                                             QStringLiteral("Адрес"), QStringLiteral("none")});
    RzListView2 = Place(new ReportList(page), "RzListView2", 14, 30, 469, 188);
    RzListView2->setModel(m_phoneModel);
    {
        const int widths[] = {200, 210, 300, 10};
        for (int column = 0; column < 4; ++column)
            RzListView2->setColumnWidth(column, widths[column]);
        // The first three columns keep their widths.
        for (int column = 0; column < 3; ++column)
            RzListView2->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
    }
    RzListView2->setHeaderShown(false);

    Label15 = MakeLabel(page, "Label15", QStringLiteral("Имя:"), 19, 243, 38, 13);
    RzEdit3 = Place(new FlatEdit(page), "RzEdit3", 56, 240, 225, 22);
    RzEdit3->setEnabled(false);
    Label20 = MakeLabel(page, "Label20", QStringLiteral("Дом./Раб./Моб. Телефон"), 321, 227, 128, 11);
    Label20->setFont(SmallFont());
    LMDMaskEdit1 = MakeMaskEdit(page, "LMDMaskEdit1", QStringLiteral("99-99-99;_"), 288, 240, 51, false);
    LMDMaskEdit3 = MakeMaskEdit(page, "LMDMaskEdit3", QStringLiteral("99-99-99;_"), 339, 240, 51, false);
    LMDMaskEdit2 = MakeMaskEdit(page, "LMDMaskEdit2", QStringLiteral("9-999-9999-999;_"), 390, 240, 85, true);
    Label13 = MakeLabel(page, "Label13", QStringLiteral("Адрес:"), 18, 275, 47, 13);
    RzEdit4 = Place(new FlatEdit(page), "RzEdit4", 64, 272, 329, 22);
    RzBmpButton8 = MakeButton(page, "RzBmpButton8", 81, QStringLiteral("     добавить"), 402, 297);
    RzBmpButton8->setEnabled(false);

    border(18, page, 13, 7, 83, 22);
    border(14, page, 13, 28, 471, 192);
    border(20, page, 13, 223, 471, 95);
    border(23, page, 287, 239, 189, 24);
    border(17, page, 401, 296, 83, 22);
    border(21, page, 113, 7, 40, 22)->hide();
    border(22, page, 160, 7, 40, 22)->hide();

    ChainTabOrder(
        {RzListView2, LMDMaskEdit1, LMDMaskEdit3, LMDMaskEdit2, RzBmpButton7, RzBmpButton8, RzEdit3, RzEdit4});

    // Page 6, History ------------------------------------------------------
    page = TabSheet4;
    AnimationFX1 = Place(new AnimationFX(page), "AnimationFX1", 13, 5, 471, 36);
    AnimationFX1->setPicture(QPixmap(QStringLiteral(":/pictures/banner.png")));
    Label7 = MakeAutoSizeLabel(page, "Label7", SmallFont(), 428, 26, 484);
    Label7->setWordWrap(true);
    // Light grey, readable on the banner's black ground. A style sheet of its
    // own: with the application's tool-tip sheet in force, a palette colour on
    // a transparent label over the banner is not honoured.
    Label7->setStyleSheet(QStringLiteral("QLabel { color: #C0C0C0; background: transparent; }"));
    Label7->setAutoFillBackground(false);

    ListBox2 = Place(new QListWidget(page), "ListBox2", 17, 54, 462, 249);
    ListBox2->setFrameShape(QFrame::NoFrame);
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox2->setUniformItemSizes(true);
    {
        QPalette pal = ListBox2->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        pal.setColor(QPalette::Text, Black);
        ListBox2->setPalette(pal);
        const QStringList &lines = i18n::HistoryLines();
        for (const QString &line : lines) {
            auto *item = new QListWidgetItem(line, ListBox2);
            item->setSizeHint(QSize(ListBox2->fontMetrics().horizontalAdvance(line) + 4, 13));
        }
    }

    border(11, page, 12, 4, 471, 37);
    border(7, page, 12, 43, 471, 270);

    RzLineComboBox1->view(); // its drop-down list exists from now on and takes the font below
    GiveWindowFont(this, font());

    // Every frame lies beneath the controls of its container.
    for (int number = 1; number < int(RzBorder.size()); ++number) {
        if (RzBorder[number])
            RzBorder[number]->lower();
    }
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
