// The window's start-up: the order in which it is built and filled, and the
// error boxes every subsystem reports through.

#include "Unit1.h"

#include <utility>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include "MessageBox.h"
#include "RecordTableModel.h"
#include "platform/Clock.h"
#include "platform/OwnerName.h"
#include "platform/StartWithSession.h"
#include "settings/OptionString.h"
#include "widgets/FlatControls.h"
#include "widgets/GlyphCheckBox.h"

// The pictures, glyphs and the alarm wave are compiled into the GUI library;
// referencing their initialiser here keeps the linker from dropping them.
static void InitAssets()
{
    Q_INIT_RESOURCE(assets);
}

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
    ConnectWindowHandlers();
    ConnectRecordsHandlers();
    ConnectOptionsHandlers();
    ConnectNotepadHandlers();
    ConnectPhonesHandlers();

    FormCreate();
    Init();
    RzLineComboBox1->setCurrentIndex(diary::FilterToday);
    ListUpdate();
    m_startMinimised = settings::StartsInTray(m_startOptions, m_recordModel->rowCount());
    LoadNote();
    Timer1->start();
    // From here on a box comes at once, also while the program sits in the
    // tray. Those held back come over the window when it shows, or, when it
    // starts in the tray, as soon as the loop runs.
    m_built = true;
    QTimer::singleShot(0, this, &TForm1::ShowPendingErrors);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    Timer1->setInterval(1000);
}

void TForm1::Init()
{
    Label23->setText(i18n::UserNamePrefix + m_seams.ownerName->ownerName());
    const QDate today = m_seams.clock->now().date();
    RzDateTimePicker4->setDateSilently(today);

    OptionString = settings::ReadOptionString(DataPath(settings::OptionsFileName)).options;
    m_startOptions = settings::DecodeOptions(OptionString);
    ApplyStartOptions(m_startOptions);
    LMDCheckBox4->setChecked(m_seams.startWithSession->isEnabled());
    ApplyBorderOption(m_startOptions);

    Label7->setText(i18n::VersionTag());
    RzDateTimePicker2->setDateSilently(today);
}

QString TForm1::DataPath(const QString &fileName) const
{
    return QDir(ProgramFolder).filePath(fileName);
}

// Error boxes ------------------------------------------------------------------

void TForm1::ShowError(const QString &text)
{
    // Before the window is up a box would come up alone at the corner of the
    // screen, and its modal loop would run events into a window still being
    // built: it waits until the window shows (showEvent).
    if (!m_built) {
        m_pendingErrors << text;
        return;
    }
    m_seams.messageBox->error(this, i18n::ErrorTitle(UiLanguage), text);
}

void TForm1::ShowPendingErrors()
{
    const QStringList pending = std::exchange(m_pendingErrors, {});
    for (const QString &text : pending)
        m_seams.messageBox->error(this, i18n::ErrorTitle(UiLanguage), text);
}

void TForm1::ShowBadDates(const QStringList &dateTexts)
{
    ShowError(i18n::BadDateMessage(UiLanguage, dateTexts));
}

void TForm1::ShowWriteError(const QString &path, const QString &reason)
{
    ShowError(i18n::WriteFailedMessage(UiLanguage, QDir::toNativeSeparators(path), reason));
}
