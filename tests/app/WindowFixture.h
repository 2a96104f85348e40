#pragma once

#include <memory>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "FakeSeams.h"
#include "Unit1.h"
#include "widgets/FlatControls.h"

// A program folder in a temporary directory, fakes for every seam, and the
// window built on them. Files are written before the window starts.
struct WindowFixture {
    QTemporaryDir folder;
    FakeSeams fakes;
    std::unique_ptr<TForm1> form;

    QString path(const QString &name) const { return QDir(folder.path()).filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the fixture file %s", qPrintable(name));
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TForm1 &start()
    {
        form = std::make_unique<TForm1>(folder.path(), fakes.seams());
        return *form;
    }

    // Starts the window and puts it on screen, active, for user input.
    TForm1 &startShown()
    {
        TForm1 &window = start();
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window did not come up");
        return window;
    }
};

// One diary record as the program writes it; `date` and `time` as text.
inline QByteArray DiaryRecordBytes(const char *date, const char *time, const char *msg = "msg",
                                   const char *file = "(null)", const char *params = "0000000000")
{
    return QByteArray(date) + ' ' + time + "\r\n" + msg + "\r\n" + file + "\r\n" + params + "\r\n";
}

// Chooses entry `index` of a drop-down list as the user does: opens the list
// and clicks the entry. True when the list closed on that entry.
[[nodiscard]] inline bool ChooseEntry(QComboBox *combo, int index)
{
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    if (!view->isVisible())
        return false;
    const QRect entry = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    return !view->isVisible() && combo->currentIndex() == index;
}

// Types into a date picker's field as the user does: tabs into it (which
// selects the day) and types the keys; `finish` ends the typing with Enter.
inline void TypeIntoPicker(DatePicker *picker, const QString &keys, bool finish)
{
    picker->setFocus(Qt::TabFocusReason);
    for (QChar key : keys)
        QTest::keyClick(picker, key.toLatin1());
    if (finish)
        QTest::keyClick(picker, Qt::Key_Return);
}

// Opens the picker's calendar with a click on its drop-down button.
[[nodiscard]] inline QCalendarWidget *OpenCalendar(DatePicker *picker)
{
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 6, picker->height() / 2));
    QCalendarWidget *calendar = picker->calendarWidget();
    return calendar && calendar->isVisible() ? calendar : nullptr;
}

// Clicks a day of the month the open calendar shows. True when it was there.
[[nodiscard]] inline bool ClickDay(QCalendarWidget *calendar, int day)
{
    auto *view = calendar->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview"));
    if (!view)
        return false;
    const QAbstractItemModel *days = view->model();
    // Row 0 holds the day names and, with week numbers, column 0 the weeks.
    // Days of the month before can only show in the first week row, days of
    // the month after only in the last ones: an early day is looked for from
    // the top, a late one from the bottom.
    const int firstColumn = calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
    const bool early = day < 15;
    for (int step = 0; step < days->rowCount() - 1; ++step) {
        const int row = early ? 1 + step : days->rowCount() - 1 - step;
        for (int column = firstColumn; column < days->columnCount(); ++column) {
            const QModelIndex cell = days->index(row, column);
            if (days->data(cell).toString() == QString::number(day)) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
                return true;
            }
        }
    }
    return false;
}
