#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStandardItemModel>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>

#include "MessageBox.h"
#include "RecordTableModel.h"
#include "diary/DiaryFile.h"
#include "i18n/FileTexts.h"
#include "notepad/NoteFile.h"
#include "platform/Clock.h"
#include "platform/OwnerName.h"
#include "platform/StartWithSession.h"
#include "settings/OptionString.h"
#include "widgets/AnsiInput.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatBorder.h"
#include "widgets/FlatControls.h"
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"
#include "widgets/LinkLabel.h"
#include "widgets/ReportList.h"

// The pictures, glyphs and the alarm wave are compiled into the GUI library;
// referencing their initialiser here keeps the linker from dropping them.
static void InitAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace {

// The frames that black-border mode turns black; 19, 26 and 27 keep their colour.
bool FollowsBlackBorders(int frameNumber)
{
    return frameNumber != 19 && frameNumber != 26 && frameNumber != 27;
}

void SetLabelColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

TForm1::TForm1(const QString &programFolder, const WindowSeams &seams, QWidget *parent)
    : QWidget(parent), m_seams(seams)
{
    InitAssets();
    ProgramFolder = programFolder;
    m_recordModel = new RecordTableModel(this);
    m_unvisibleModel = new UnvisibleListModel(&UnvisibleList, this);
    CreateControls();
    CreatePopupMenus();
    CreateComponents();
    ConnectHandlers();

    FormCreate();
    Init();
    RzLineComboBox1->setCurrentIndex(diary::FilterToday);
    ListUpdate();
    if (ShowOnlyIfToday == 1)
        m_startMinimised = m_recordModel->rowCount() == 0;
    LoadNote();
    Timer1->start();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    Timer1->setInterval(1000);
}

void TForm1::Init()
{
    Label23->setText(QStringLiteral("user name:  ") + m_seams.ownerName->ownerName());
    const QDate today = m_seams.clock->now().date();
    RzDateTimePicker4->setDateSilently(today);

    OptionString = settings::ReadOptionString(DataPath(settings::OptionsFileName)).options;
    for (int position = 1; position <= 4; ++position)
        ApplyOptionPosition(position, settings::OptionAt(OptionString, position));
    LMDCheckBox4->setChecked(m_seams.startWithSession->isEnabled());
    ApplyOptionPosition(5, settings::OptionAt(OptionString, 5));

    Label7->setText(QStringLiteral("[ver.") + i18n::VersionText + QStringLiteral("]"));
    RzDateTimePicker2->setDateSilently(today);
}

void TForm1::ApplyOptionPosition(int position, QChar value)
{
    switch (position) {
    case 1:
        if (value == u'0') {
            LMDCheckBox1->setChecked(false);
            m_startMinimised = false;
        } else if (value == u'1') {
            LMDCheckBox1->setChecked(true);
            m_startMinimised = true;
            LMDCheckBox5->setEnabled(true);
        } else if (value == u'2') {
            LMDCheckBox5->setEnabled(true);
            LMDCheckBox5->setChecked(true);
            ShowOnlyIfToday = 1;
        }
        break;
    case 2:
        if (value == u'0' || value == u'1') {
            m_restoreOnSingleClick = value == u'1';
            LMDCheckBox2->setChecked(m_restoreOnSingleClick);
        }
        break;
    case 3:
        if (value == u'0' || value == u'1') {
            LMDCheckBox3->setChecked(value == u'1');
            SetStayOnTop(value == u'1');
        }
        break;
    case 4:
        if (value == u'0')
            SetRussian();
        else if (value == u'1')
            SetEnglish();
        break;
    case 5:
        if (value == u'0') {
            LMDCheckBox6->setChecked(false);
        } else if (value == u'1') {
            LMDCheckBox6->setChecked(true);
            ApplyBlackBorders();
        }
        break;
    default:
        break;
    }
}

void TForm1::SetStayOnTop(bool onTop)
{
    m_staysOnTop = onTop;
    SetLabelColor(Label25, onTop ? palette::Black : palette::Grey);
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides a shown window; bring it back as it was.
    if (wasVisible)
        show();
}

void TForm1::ApplyBlackBorders()
{
    for (int number = 1; number < int(RzBorder.size()); ++number)
        if (RzBorder[number] && FollowsBlackBorders(number))
            RzBorder[number]->setFrameColor(palette::Black);
    RzPanel1->setFrameColor(palette::Black);
    LMDRadioGroup1->setShadowColor(palette::Black);
    LMDRadioGroup1->setCaptionColor(palette::Black);
    for (DatePicker *picker : {RzDateTimePicker2, RzDateTimePicker4})
        picker->setFrameColor(palette::Black);
    for (FlatSpinEdit *spin : {RzSpinEdit1, RzSpinEdit2, RzSpinEdit4})
        spin->setFrameColor(palette::Black);
    for (GlyphCheckBox *box : {LMDCheckBox1, LMDCheckBox2, LMDCheckBox3, LMDCheckBox4, LMDCheckBox5, LMDCheckBox6,
                               LMDCheckBox8, LMDCheckBox9, LMDCheckBox10})
        box->setGlyphList(0);
    LMDRadioGroup1->setGlyphList(3);
    for (FlatEdit *edit : {RzEdit1, RzEdit2, RzEdit3, RzEdit4})
        edit->setFrameColor(palette::Black);
    SetLink(RzURLLabel1, QStringLiteral("mailto:") + i18n::ContactAddress, i18n::ContactAddress, palette::Black);
}

// Languages ------------------------------------------------------------------

void TForm1::SetRussian()
{
    ApplyLanguage(i18n::Russian);
}

void TForm1::SetEnglish()
{
    ApplyLanguage(i18n::English);
}

void TForm1::ApplyLanguage(i18n::Language language)
{
    TodayPrefix = i18n::TodayPrefix(language);
    UiLanguage = language;
    LMDRadioGroup1->setItemIndex(language);

    // The application's title goes first: the window title is shown with it.
    for (const i18n::TextEntry &entry : i18n::TextTable())
        if (entry.property == i18n::Property::ApplicationTitle)
            ApplyText(entry, entry.text(language));
    for (const i18n::TextEntry &entry : i18n::TextTable())
        if (entry.property != i18n::Property::ApplicationTitle)
            ApplyText(entry, entry.text(language));
    // The bare title is set anew above, so the version never accumulates.
    Label9->setText(Label9->text() + i18n::VersionText);

    RzSpinEdit4->move(i18n::SpinEdit4Left(language), RzSpinEdit4->y());
    Label17->move(i18n::Label17Left(language), Label17->y());
}

void TForm1::ApplyText(const i18n::TextEntry &entry, const QString &text)
{
    using i18n::Property;
    const QString target = QString::fromLatin1(entry.target);
    switch (entry.property) {
    case Property::WindowTitle:
        setWindowTitle(text);
        return;
    case Property::ApplicationTitle:
        QGuiApplication::setApplicationDisplayName(text);
        return;
    case Property::TrayHint:
        RzTrayIcon1->setToolTip(text);
        return;
    case Property::TitleLabel:
        Label9->setText(text);
        return;
    case Property::DialogTitle:
        OpenDialog1Title = text;
        return;
    case Property::PageCaption:
        PageControl1->setTabText(entry.index, text);
        return;
    case Property::ComboItem:
        RzLineComboBox1->setItemText(entry.index, text);
        return;
    case Property::ColumnCaption:
        if (target == QLatin1String("RzListView1"))
            m_recordModel->setColumnCaption(entry.index, text);
        else
            m_phoneModel->setHeaderData(entry.index, Qt::Horizontal, text);
        return;
    case Property::MenuItem:
        if (auto *menu = findChild<QMenu *>(target))
            menu->actions().at(entry.index)->setText(text);
        return;
    case Property::Hint:
        if (auto *widget = findChild<QWidget *>(target))
            widget->setToolTip(text);
        return;
    case Property::Caption:
        if (auto *label = findChild<QLabel *>(target))
            label->setText(text);
        else if (auto *button = findChild<QAbstractButton *>(target))
            button->setText(text);
        return;
    }
}

void TForm1::LMDRadioGroup1Change()
{
    if (LMDRadioGroup1->itemIndex() == 1)
        SetEnglish();
    else if (LMDRadioGroup1->itemIndex() == 0)
        SetRussian();
    RzBmpButton2->setEnabled(true);
}

// The record list --------------------------------------------------------------

QString TForm1::DataPath(const QString &fileName) const
{
    return QDir(ProgramFolder).filePath(fileName);
}

void TForm1::ListUpdate()
{
    diary::DiaryReadResult read = diary::ReadDiaryFile(DataPath(diary::DiaryFileName));
    UnvisibleList = std::move(read.records);
    DiaryEmpty = read.diaryEmpty;
    m_unvisibleModel->reload();

    const QDate today = m_seams.clock->now().date();
    m_filter = diary::SetupFilter(RzLineComboBox1->currentIndex(), today, RzDateTimePicker4->date(), m_filter);
    RzDateTimePicker4->setDateSilently(m_filter.pickerDate);
    RzDateTimePicker4->setEnabled(m_filter.pickerEnabled);
    N4->setEnabled(m_filter.sortByDateEnabled);

    m_recordModel->setRows(
        diary::BuildVisibleRows(UnvisibleList, DiaryEmpty, m_filter.state, m_filter.pickerDate, today));
    Label22->setText(QString::number(m_recordModel->rowCount()));

    if (read.badDates != m_reportedBadDates) {
        m_reportedBadDates = read.badDates;
        if (!read.badDates.isEmpty())
            ShowBadDates(read.badDates);
    }
}

bool TForm1::WriteUnvisibleListToFile()
{
    const QString path = DataPath(diary::DiaryFileName);
    const codec::FileError error = diary::WriteDiaryFile(path, UnvisibleList);
    if (!error.failed())
        return true;
    ShowWriteError(path, i18n::FileErrorText(UiLanguage, error));
    return false;
}

void TForm1::ShowBadDates(const QStringList &dateTexts)
{
    m_seams.messageBox->error(this, i18n::ErrorTitle(UiLanguage), i18n::BadDateMessage(UiLanguage, dateTexts));
}

void TForm1::ShowWriteError(const QString &path, const QString &reason)
{
    m_seams.messageBox->error(this, i18n::ErrorTitle(UiLanguage),
                              i18n::WriteFailedMessage(UiLanguage, QDir::toNativeSeparators(path), reason));
}

void TForm1::RzLineComboBox1Change()
{
    ListUpdate();
    RzListView1->setFocus();
}

void TForm1::RzDateTimePicker3Change()
{
    ListUpdate();
    RzListView1->setFocus();
}

void TForm1::N3Click()
{
    const bool show = !RzListView1->headerShown();
    RzListView1->setHeaderShown(show);
    N3->setChecked(show);
}

void TForm1::N4Click()
{
    m_recordModel->sortByColumn(diary::ColReversDate, m_sortMemory.nextDirection(diary::ColReversDate));
}

void TForm1::N5Click()
{
    m_recordModel->sortByColumn(diary::ColTime, m_sortMemory.nextDirection(diary::ColTime));
}

// Notepad ----------------------------------------------------------------------

void TForm1::LoadNote()
{
    const notepad::NoteReadResult note = notepad::LoadNoteFile(DataPath(notepad::NoteFileName));
    if (note.status != codec::ReadStatus::Read)
        return;
    Memo4->setPlainText(note.text);
    RzBmpButton3->setEnabled(false);
}

// Tray ---------------------------------------------------------------------------

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

// Wiring -------------------------------------------------------------------------

void TForm1::ConnectHandlers()
{
    // What these boxes hold goes into the Windows-1251 files.
    for (QLineEdit *edit :
         {static_cast<QLineEdit *>(RzEdit1), static_cast<QLineEdit *>(RzEdit3), static_cast<QLineEdit *>(RzEdit4)})
        KeepAnsiWhileTyping(edit);
    KeepAnsiWhileTyping(Memo4);

    // Only user signals: setting a control from code never runs its handler.
    connect(RzLineComboBox1, &QComboBox::activated, this, [this] { RzLineComboBox1Change(); });
    connect(RzDateTimePicker4, &QDateEdit::dateChanged, this, [this] { RzDateTimePicker3Change(); });
    connect(LMDRadioGroup1, &LanguageRadioGroup::userChanged, this, [this] { LMDRadioGroup1Change(); });
    connect(N3, &QAction::triggered, this, [this] { N3Click(); });
    connect(N4, &QAction::triggered, this, [this] { N4Click(); });
    connect(N5, &QAction::triggered, this, [this] { N5Click(); });
    connect(N1, &QAction::triggered, this, [this] { N1Click(); });
    connect(RzListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu2->popup(RzListView1->viewport()->mapToGlobal(pos)); });
    connect(RzTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        const auto restoreReason = m_restoreOnSingleClick ? QSystemTrayIcon::Trigger : QSystemTrayIcon::DoubleClick;
        if (reason == restoreReason)
            restoreFromTray();
    });
}
