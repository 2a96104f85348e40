#pragma once

#include <array>
#include <functional>

#include <QWidget>

#include "codec/ListOrder.h"
#include "diary/DiaryRecord.h"
#include "diary/RecordList.h"
#include "i18n/Texts.h"
#include "phonebook/PhoneEntry.h"
#include "settings/OptionString.h"
#include "settings/Options.h"

class QLabel;
class QTabWidget;
class QComboBox;
class QPlainTextEdit;
class QListWidget;
class QLineEdit;
class QMenu;
class QAction;
class QTimer;
class QStatusBar;
class QSystemTrayIcon;
class QStandardItemModel;

class FlatBorder;
class Band;
class BitmapButton;
class GlyphCheckBox;
class LanguageRadioGroup;
class LinkLabel;
class AnimationFX;
class FlatEdit;
class FlatSpinEdit;
class DatePicker;
class ReportList;
class RecordTableModel;
class UnvisibleListModel;
class MessageBox;

namespace platform {
class Clock;
class StartWithSession;
class OwnerName;
} // namespace platform

// The services of the operating system the window uses. main.cpp builds the
// real ones; tests hand in fakes.
struct WindowSeams {
    platform::Clock *clock = nullptr;
    platform::StartWithSession *startWithSession = nullptr;
    platform::OwnerName *ownerName = nullptr;
    MessageBox *messageBox = nullptr;
};

// The one main window. Every control is a member named as the control, and
// its objectName is that name. The class is defined over one file per
// subsystem (Unit1*.cpp); each file wires its own handlers.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs the start-up: options, language, owner name,
    // the record list for today, the notepad text. `programFolder` holds the
    // data files.
    TForm1(const QString &programFolder, const WindowSeams &seams, QWidget *parent = nullptr);
    ~TForm1() override;

    // Program-wide state.
    QString ProgramFolder;
    i18n::Language UiLanguage = i18n::Russian;
    int ShowOnlyIfToday = 0;
    QString TodayPrefix = QStringLiteral("Сегодня: ");
    QString OptionString;

    // The diary.
    diary::UnvisibleList UnvisibleList;
    bool DiaryEmpty = true;

    // True when the start-up left the window minimised: the program then
    // starts in the tray (or, without a tray, as a minimised window).
    bool startsInTray() const { return m_startMinimised; }
    // True when a left single click on the tray icon restores the window
    // (else a double click does).
    bool restoresOnSingleClick() const { return m_restoreOnSingleClick; }
    bool staysOnTop() const { return m_staysOnTop; }

    RecordTableModel *recordModel() const { return m_recordModel; }

    // Start-up and error boxes (Unit1.cpp). --------------------------------
    void FormCreate();
    void Init();
    // Shows the error boxes held back until the window is up; showEvent
    // calls it once the window is on screen.
    void ShowPendingErrors();
    QStringList pendingErrors() const { return m_pendingErrors; }
    bool diaryReadFailed() const { return m_diaryReadFailed; }
    bool noteLoadFailed() const { return m_noteLoadFailed; }
    // False, after saying why, while the diary may not be written (its last
    // read failed). Every writer of the diary asks first.
    bool MayWriteDiary();

    // The window and the tray (Unit1Window.cpp). ---------------------------
    // Brings the window up from the tray or the taskbar, to the front. A
    // window never shown before comes up centred on the desktop.
    void restoreFromTray();
    void showCentred();
    void RzTrayIcon1RestoreApp();
    void N1Click();

    // The record list (Unit1Records.cpp). ----------------------------------
    void ListUpdate();
    bool WriteUnvisibleListToFile();
    void RzLineComboBox1Change();
    void RzDateTimePicker3Change();
    void N3Click();
    void N4Click();
    void N5Click();

    // Options and languages (Unit1Options.cpp). ----------------------------
    void SetRussian();
    void SetEnglish();
    void LMDRadioGroup1Change();
    void LMDCheckBox1Change();
    void LMDCheckBox2Change();
    void LMDCheckBox3Change();
    void LMDCheckBox4Change();
    void LMDCheckBox5Change();
    void LMDCheckBox6Change();
    // Writes tolvik.ini from the page, then the start-with-session entry.
    void RzBmpButton2Click();

    // The notepad (Unit1Notepad.cpp). ----------------------------------------
    void RzBmpButton3Click();
    void Memo4DblClick();
    void Memo4Change();

    // The phone book (Unit1Phones.cpp). --------------------------------------
    void RzBmpButton7Click();
    void RzBmpButton8Click();
    void RzEdit3Change();
    // A character typed while the list has the focus; the list still gets it.
    void RzListView2KeyPress(const QString &character);
    void Timer3Timer();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();
    bool phoneBookRead() const { return m_phoneBookRead; }

    // Controls, by page. -------------------------------------------------
    // Title strip.
    QLabel *Label9 = nullptr;
    LinkLabel *RzURLLabel1 = nullptr;
    QLabel *Label6 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QWidget *TabSheet1 = nullptr; // 0 Records
    QWidget *TabSheet2 = nullptr; // 1 Add
    QWidget *TabSheet5 = nullptr; // 2 Options
    QWidget *TabSheet3 = nullptr; // 3 Reminder
    QWidget *TabSheet6 = nullptr; // 4 Notepad
    QWidget *TabSheet7 = nullptr; // 5 Phones
    QWidget *TabSheet4 = nullptr; // 6 History

    // Page 0, Records.
    Band *Panel1 = nullptr;
    QLabel *Label11 = nullptr;
    Band *Panel3 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label10 = nullptr;
    QComboBox *RzLineComboBox1 = nullptr;
    DatePicker *RzDateTimePicker4 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    ReportList *RzListView1 = nullptr;
    ReportList *RzListView3 = nullptr;
    QLabel *Label23 = nullptr;
    QLabel *Label25 = nullptr;

    // Page 1, Add record.
    Band *Panel2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    DatePicker *RzDateTimePicker2 = nullptr;
    GlyphCheckBox *LMDCheckBox9 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label4 = nullptr;
    FlatSpinEdit *RzSpinEdit1 = nullptr;
    QLabel *Label5 = nullptr;
    FlatSpinEdit *RzSpinEdit2 = nullptr;
    QLabel *Label16 = nullptr;
    FlatSpinEdit *RzSpinEdit4 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label2 = nullptr;
    FlatEdit *RzEdit1 = nullptr;
    GlyphCheckBox *LMDCheckBox8 = nullptr;
    GlyphCheckBox *LMDCheckBox10 = nullptr;
    QLabel *Label14 = nullptr;
    BitmapButton *RzBmpButton4 = nullptr;
    FlatEdit *RzEdit2 = nullptr;
    QLabel *Label8 = nullptr;
    BitmapButton *RzBmpButton1 = nullptr;

    // Page 2, Options.
    LanguageRadioGroup *LMDRadioGroup1 = nullptr;
    FlatBorder *RzPanel1 = nullptr;
    GlyphCheckBox *LMDCheckBox1 = nullptr;
    GlyphCheckBox *LMDCheckBox5 = nullptr;
    GlyphCheckBox *LMDCheckBox2 = nullptr;
    GlyphCheckBox *LMDCheckBox3 = nullptr;
    GlyphCheckBox *LMDCheckBox4 = nullptr;
    GlyphCheckBox *LMDCheckBox6 = nullptr;
    BitmapButton *RzBmpButton2 = nullptr;

    // Page 3, Reminder.
    Band *Panel4 = nullptr;
    QLabel *Image3 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label12 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    BitmapButton *RzBmpButton5 = nullptr;
    LinkLabel *RzURLLabel4 = nullptr;

    // Page 4, Notepad.
    BitmapButton *RzBmpButton3 = nullptr;
    QPlainTextEdit *Memo4 = nullptr;

    // Page 5, Phones.
    BitmapButton *RzBmpButton7 = nullptr;
    ReportList *RzListView2 = nullptr;
    QLabel *Label15 = nullptr;
    FlatEdit *RzEdit3 = nullptr;
    QLabel *Label20 = nullptr;
    QLineEdit *LMDMaskEdit1 = nullptr;
    QLineEdit *LMDMaskEdit3 = nullptr;
    QLineEdit *LMDMaskEdit2 = nullptr;
    QLabel *Label13 = nullptr;
    FlatEdit *RzEdit4 = nullptr;
    BitmapButton *RzBmpButton8 = nullptr;

    // Page 6, History.
    AnimationFX *AnimationFX1 = nullptr;
    QLabel *Label7 = nullptr;
    QListWidget *ListBox2 = nullptr;

    // Frames RzBorder1..RzBorder28, by number (index 0 unused).
    std::array<FlatBorder *, 29> RzBorder{};

    // Menus. PopupMenu2 runs N3, N4, N5, N12, N13; PopupMenu3 runs N8, N9, N10, N7, N11.
    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N6 = nullptr;
    QAction *N2 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    QAction *N3 = nullptr;
    QAction *N4 = nullptr;
    QAction *N5 = nullptr;
    QAction *N12 = nullptr;
    QAction *N13 = nullptr;
    QMenu *PopupMenu3 = nullptr;
    QAction *N8 = nullptr;
    QAction *N9 = nullptr;
    QAction *N10 = nullptr;
    QAction *N7 = nullptr;
    QAction *N11 = nullptr;

    // Components without a place on screen.
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *Timer5 = nullptr;
    QSystemTrayIcon *RzTrayIcon1 = nullptr;
    QString OpenDialog1Title; // the file chooser's title, set per language

private:
    // Unit1.cpp: error boxes and the data folder. Every box goes through
    // ShowError, which holds it back while the window is not shown.
    void ShowError(const QString &text);
    void ShowBadDates(const QStringList &dateTexts);
    void ShowWriteError(const QString &path, const QString &reason);
    QString DataPath(const QString &fileName) const;

    // Unit1Layout.cpp: the frame, the title strip, menus, timers and tray.
    void CreateControls();
    void CreateWindowFrame();
    void CreateTitleStrip();
    void CreatePageControl();
    void CreatePopupMenus();
    void CreateComponents();
    FlatBorder *MakeBorder(int number, QWidget *container, int left, int top, int width, int height);

    // Unit1LayoutPages.cpp: one function per page.
    void CreateRecordsPage();
    void CreateAddRecordPage();
    void CreateOptionsPage();
    void CreateReminderPage();
    void CreateNotepadPage();
    void CreatePhonesPage();
    void CreateHistoryPage();
    std::function<QDate()> ClockToday() const;

    // Unit1Window.cpp.
    void showEvent(QShowEvent *event) override;
    void ConnectWindowHandlers();
    void SetStayOnTop(bool onTop);

    // Unit1Records.cpp.
    void ConnectRecordsHandlers();

    // Unit1Options.cpp.
    void ConnectOptionsHandlers();
    // The options line at start: positions 1 to 4, then 5.
    void ApplyStartOptions(const settings::Options &options);
    void ApplyBorderOption(const settings::Options &options);
    void ApplyBlackBorders();
    void ApplyLanguage(i18n::Language language);
    void ApplyText(const i18n::TextEntry &entry, const QString &text);
    settings::OptionsState OptionsPageState() const;

    // Unit1Notepad.cpp.
    void LoadNote();
    void ConnectNotepadHandlers();
    // Writes note.txt from Memo4; false after an error box.
    [[nodiscard]] bool SaveNote();

    // Unit1Phones.cpp.
    void ConnectPhonesHandlers();
    void ShowPhoneBook(const phonebook::PhoneBook &book);
    phonebook::PhoneBook PhoneBookOnScreen() const;
    // Rewrites phones.dat from the list in display order; on a failure the
    // list is read again from the file.
    void WritePhoneBook();
    void SortPhones(int column);
    void ResetPhoneFields();

    WindowSeams m_seams;
    RecordTableModel *m_recordModel = nullptr;
    UnvisibleListModel *m_unvisibleModel = nullptr;
    QStandardItemModel *m_phoneModel = nullptr;
    diary::FilterSetup m_filter;
    codec::SortMemory m_sortMemory;
    QStringList m_reportedBadDates;
    QStringList m_pendingErrors;
    bool m_built = false;
    // The last read of the diary failed: nothing may write it until a read
    // succeeds again.
    bool m_diaryReadFailed = false;
    // The note could not be loaded: no save may overwrite it.
    bool m_noteLoadFailed = false;
    settings::Options m_startOptions;
    // The phone book: read at least once (an add before would replace the
    // stored book), the read failed (nothing may write it), and the list's
    // sort memory.
    bool m_phoneBookRead = false;
    bool m_phoneReadFailed = false;
    codec::SortMemory m_phoneSortMemory;
    bool m_startMinimised = false;
    bool m_restoreOnSingleClick = false;
    bool m_staysOnTop = true;
    bool m_everShown = false;
};
