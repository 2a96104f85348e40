// The seven pages' controls with their layout values, one function a page.
// Frames are made where they lie; CreateControls puts them beneath the rest.

#include "Unit1.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStandardItemModel>

#include "LayoutTools.h"
#include "Palette.h"
#include "RecordTableModel.h"
#include "i18n/Texts.h"
#include "platform/Clock.h"
#include "widgets/AnimationFX.h"
#include "widgets/AnsiInput.h"
#include "widgets/Band.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatBorder.h"
#include "widgets/FlatControls.h"
#include "widgets/Fonts.h"
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"
#include "widgets/LinkLabel.h"
#include "widgets/ReportList.h"

// The calendars mark the day the window's clock says it is.
std::function<QDate()> TForm1::ClockToday() const
{
    const platform::Clock *clock = m_seams.clock;
    return [clock] { return clock->now().date(); };
}

void TForm1::CreateRecordsPage()
{
    using namespace palette;
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
    RzDateTimePicker4->setTodaySource(ClockToday());
    Label21 = MakeLabel(Panel3, "Label21", QStringLiteral("Всего записей: "), 312, 6, 82, 13);
    Label22 = MakeLabel(Panel3, "Label22", QStringLiteral("0"), 396, 6, 61, 13);
    MakeBorder(28, Panel3, 304, 1, 164, 23);
    MakeBorder(27, Panel3, 24, 1, 167, 25)->hide();

    RzListView1 = Place(new ReportList(page), "RzListView1", 16, 64, 465, 240);
    RzListView1->setModel(m_recordModel);
    const int widths[] = {65, 45, 450, 500, 30, 45};
    for (int column = 0; column < 6; ++column)
        RzListView1->setColumnWidth(column, widths[column]);
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
    QPalette colours = Label25->palette();
    colours.setColor(QPalette::Window, BandBlue);
    colours.setColor(QPalette::WindowText, Black);
    Label25->setPalette(colours);
    Label25->setAutoFillBackground(true);

    MakeBorder(9, page, 13, 4, 471, 29);
    MakeBorder(4, page, 13, 36, 471, 271);
    MakeBorder(8, page, 15, 62, 467, 243);
    MakeBorder(25, page, 414, 309, 70, 13);
}

void TForm1::CreateAddRecordPage()
{
    using namespace palette;
    QWidget *page = TabSheet2;
    Panel2 = Place(new Band(BandBlue, page), "Panel2", 14, 6, 469, 28);
    Label1 = MakeAutoSizeLabel(Panel2, "Label1", UiFont(16, true), 7, 4, 469 - 2);

    Label3 = MakeLabel(page, "Label3", QStringLiteral("Дата:"), 31, 65, 34, 13);
    RzDateTimePicker2 = Place(new DatePicker(page), "RzDateTimePicker2", 70, 61, 77, 23);
    RzDateTimePicker2->setTodaySource(ClockToday());
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
    KeepAnsiWhileTyping(RzEdit1); // the message goes into the Windows-1251 diary
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

    MakeBorder(10, page, 13, 5, 471, 30);
    MakeBorder(3, page, 13, 37, 471, 276);
    MakeBorder(12, page, 26, 258, 77, 22);
    MakeBorder(13, page, 401, 291, 83, 22);

    ChainTabOrder({RzEdit1, RzDateTimePicker2, RzSpinEdit1, RzSpinEdit2, RzBmpButton1, RzSpinEdit4, RzBmpButton4,
                   RzEdit2, LMDCheckBox8, LMDCheckBox9, LMDCheckBox10});
}

void TForm1::CreateOptionsPage()
{
    using namespace palette;
    QWidget *page = TabSheet5;
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
    MakeBorder(16, RzPanel1, 388, 223, 83, 22);

    // The save button lies on the page, over the panel, inside RzBorder16.
    RzBmpButton2 = MakeButton(page, "RzBmpButton2", 81, QStringLiteral("     сохранить"), 402, 284);
    RzBmpButton2->setEnabled(false);
    RzBmpButton2->raise();
}

void TForm1::CreateReminderPage()
{
    using namespace palette;
    QWidget *page = TabSheet3;
    Panel4 = Place(new Band(BandBlue, page), "Panel4", 14, 9, 469, 18);
    Image3 = MakePicture(Panel4, "Image3", QStringLiteral(":/pictures/image3.png"), 5, 2);
    Image1 = MakePicture(Panel4, "Image1", QStringLiteral(":/pictures/image1.png"), 5, 2); // over Image3
    Label12 = MakeLabel(Panel4, "Label12", QStringLiteral("Напоминание:"), 26, 3, 431, 13);
    Memo2 = MakeMemo(page, "Memo2", ReminderText, 15, 27, 466, 260);
    Memo2->setReadOnly(true);
    RzBmpButton5 = MakeButton(page, "RzBmpButton5", 81, QStringLiteral(" ok"), 402, 289);
    RzURLLabel4 = Place(new LinkLabel(page), "RzURLLabel4", 14, 297, 376, 13);
    RzURLLabel4->setLink(i18n::DownloadPage, i18n::DownloadCaption());
    RzURLLabel4->setLinkColor(DownloadLink);

    MakeBorder(2, page, 13, 8, 471, 281);
    MakeBorder(24, page, 401, 288, 83, 22);
}

void TForm1::CreateNotepadPage()
{
    QWidget *page = TabSheet6;
    RzBmpButton3 = MakeButton(page, "RzBmpButton3", 81, QStringLiteral("     сохранить"), 14, 5);
    Memo4 = MakeMemo(page, "Memo4", palette::Black, 15, 27, 467, 276);
    KeepAnsiWhileTyping(Memo4); // the note is stored in Windows-1251

    MakeBorder(15, page, 13, 4, 83, 22);
    MakeBorder(6, page, 13, 25, 471, 280);
    MakeBorder(26, page, 390, 2, 25, 24)->hide();
    MakeBorder(19, page, 421, 2, 24, 24)->hide();
}

void TForm1::CreatePhonesPage()
{
    QWidget *page = TabSheet7;
    RzBmpButton7 = MakeButton(page, "RzBmpButton7", 81, QStringLiteral("      прочитать"), 14, 8);
    RzBmpButton7->setToolTip(QStringLiteral("нажмите для начала работы с телефонной книгой..."));

    m_phoneModel = new QStandardItemModel(0, 4, this);
    m_phoneModel->setObjectName(QStringLiteral("PhoneModel"));
    m_phoneModel->setHorizontalHeaderLabels({QStringLiteral("Имя"), QStringLiteral("Дом./Раб./Моб. Телефон"),
                                             QStringLiteral("Адрес"), QStringLiteral("none")});
    RzListView2 = Place(new ReportList(page), "RzListView2", 14, 30, 469, 188);
    RzListView2->setModel(m_phoneModel);
    const int widths[] = {200, 210, 300, 10};
    for (int column = 0; column < 4; ++column)
        RzListView2->setColumnWidth(column, widths[column]);
    // The first three columns keep their widths.
    for (int column = 0; column < 3; ++column)
        RzListView2->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
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
    // Name and address go into the Windows-1251 phone book.
    KeepAnsiWhileTyping(RzEdit3);
    KeepAnsiWhileTyping(RzEdit4);

    MakeBorder(18, page, 13, 7, 83, 22);
    MakeBorder(14, page, 13, 28, 471, 192);
    MakeBorder(20, page, 13, 223, 471, 95);
    MakeBorder(23, page, 287, 239, 189, 24);
    MakeBorder(17, page, 401, 296, 83, 22);
    MakeBorder(21, page, 113, 7, 40, 22)->hide();
    MakeBorder(22, page, 160, 7, 40, 22)->hide();

    ChainTabOrder(
        {RzListView2, LMDMaskEdit1, LMDMaskEdit3, LMDMaskEdit2, RzBmpButton7, RzBmpButton8, RzEdit3, RzEdit4});
}

void TForm1::CreateHistoryPage()
{
    QWidget *page = TabSheet4;
    AnimationFX1 = Place(new AnimationFX(page), "AnimationFX1", 13, 5, 471, 36);
    AnimationFX1->setPicture(QPixmap(QStringLiteral(":/pictures/banner.png")));
    Label7 = MakeAutoSizeLabel(page, "Label7", SmallFont(), 428, 26, 484);
    Label7->setWordWrap(true);
    // Readable on the banner's black ground. A style sheet of its own: with
    // the application's tool-tip sheet in force, a palette colour on a
    // transparent label over the banner is not honoured.
    Label7->setStyleSheet(
        QStringLiteral("QLabel { color: %1; background: transparent; }").arg(palette::VersionOnBanner.name()));
    Label7->setAutoFillBackground(false);

    ListBox2 = Place(new QListWidget(page), "ListBox2", 17, 54, 462, 249);
    ListBox2->setFrameShape(QFrame::NoFrame);
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox2->setUniformItemSizes(true);
    QPalette colours = ListBox2->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    colours.setColor(QPalette::Text, palette::Black);
    ListBox2->setPalette(colours);
    for (const QString &line : i18n::HistoryLines()) {
        auto *item = new QListWidgetItem(line, ListBox2);
        item->setSizeHint(QSize(ListBox2->fontMetrics().horizontalAdvance(line) + 4, 13));
    }

    MakeBorder(11, page, 12, 4, 471, 37);
    MakeBorder(7, page, 12, 43, 471, 270);
}
