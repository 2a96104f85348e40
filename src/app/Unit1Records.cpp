// The Records page: reading the diary into the lists, the filter, the day
// picker and the sort commands of the list's menu.

#include "Unit1.h"

#include <utility>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>

#include "RecordTableModel.h"
#include "diary/DiaryFile.h"
#include "i18n/FileTexts.h"
#include "platform/Clock.h"
#include "widgets/FlatControls.h"
#include "widgets/ReportList.h"

void TForm1::ConnectRecordsHandlers()
{
    // Only user signals: setting a control from code never runs its handler.
    connect(RzLineComboBox1, &QComboBox::activated, this, [this] { RzLineComboBox1Change(); });
    connect(RzDateTimePicker4, &DatePicker::userDateChanged, this, [this] { RzDateTimePicker3Change(); });
    connect(N3, &QAction::triggered, this, [this] { N3Click(); });
    connect(N4, &QAction::triggered, this, [this] { N4Click(); });
    connect(N5, &QAction::triggered, this, [this] { N5Click(); });
    connect(RzListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu2->popup(RzListView1->viewport()->mapToGlobal(pos)); });
}

void TForm1::ListUpdate()
{
    const QString path = DataPath(diary::DiaryFileName);
    diary::DiaryReadResult read = diary::ReadDiaryFile(path);
    const bool failedBefore = std::exchange(m_diaryReadFailed, read.status == codec::ReadStatus::Failed);
    // Said once when the diary turns unreadable, not at every refresh.
    if (m_diaryReadFailed && !failedBefore)
        ShowError(i18n::ReadFailedMessage(UiLanguage, QDir::toNativeSeparators(path), read.error));
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
    if (!MayWriteDiary())
        return false;
    const QString path = DataPath(diary::DiaryFileName);
    const codec::FileError error = diary::WriteDiaryFile(path, UnvisibleList);
    if (!error.failed())
        return true;
    ShowWriteError(path, i18n::FileErrorText(UiLanguage, error));
    return false;
}

bool TForm1::MayWriteDiary()
{
    if (!m_diaryReadFailed)
        return true;
    const QString path = DataPath(diary::DiaryFileName);
    ShowError(i18n::NotChangedAfterFailedReadMessage(UiLanguage, QDir::toNativeSeparators(path)));
    return false;
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
