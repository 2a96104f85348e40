#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "widgets/AnimationFX.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatBorder.h"
#include "widgets/FlatControls.h"
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"
#include "widgets/LinkLabel.h"
#include "WindowFixture.h"

// The window's own kinds of control: what they report to their handlers and
// what they leave to the controls beneath them.
class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void languageGroupReportsOnlyUserChanges();
    void checkBoxClickedOnlyByUser();
    void bannerStretchesInAndStops();
    void plainFrameLetsClicksThrough();
    void disabledBitmapButtonIgnoresClicks();
    void datePickerSetsDateSilently();
    void datePickerReportsUserChoices_data();
    void datePickerReportsUserChoices();
    void todayMarkFollowsItsSource();
    void linkUnderlineInsideTheLabel_data();
    void linkUnderlineInsideTheLabel();
};

namespace {

// A point inside the radio item's indicator, where a click always lands on it.
QPoint IndicatorPoint(const QRadioButton *item)
{
    return QPoint(6, item->height() / 2);
}

} // namespace

void TestWidgets::languageGroupReportsOnlyUserChanges()
{
    LanguageRadioGroup group;
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QSignalSpy changes(&group, &LanguageRadioGroup::userChanged);

    // Nothing is selected until a language is applied.
    QCOMPARE(group.itemIndex(), -1);
    QVERIFY(!group.item(0)->isChecked());
    QVERIFY(!group.item(1)->isChecked());

    // Selecting from code reports nothing.
    group.setItemIndex(1);
    QCOMPARE(group.itemIndex(), 1);
    QVERIFY(group.item(1)->isChecked());
    QCOMPARE(changes.count(), 0);

    // The user picks the other item: reported once, with its index.
    QTest::mouseClick(group.item(0), Qt::LeftButton, {}, IndicatorPoint(group.item(0)));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), 0);
    QCOMPARE(group.itemIndex(), 0);
    QVERIFY(group.item(0)->isChecked());
    QVERIFY(!group.item(1)->isChecked());

    // A click on the selected item changes nothing and reports nothing.
    QTest::mouseClick(group.item(0), Qt::LeftButton, {}, IndicatorPoint(group.item(0)));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(group.itemIndex(), 0);
    QVERIFY(group.item(0)->isChecked());

    // Back to the first item from code, then the user picks the second one.
    group.setItemIndex(0);
    QTest::mouseClick(group.item(1), Qt::LeftButton, {}, IndicatorPoint(group.item(1)));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1).at(0).toInt(), 1);
    QCOMPARE(group.itemIndex(), 1);
    QVERIFY(!group.item(0)->isChecked());
}

void TestWidgets::checkBoxClickedOnlyByUser()
{
    GlyphCheckBox box(QStringLiteral("Оставаться поверх всех окон"));
    box.resize(429, 18);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicks(&box, &QAbstractButton::clicked);

    box.setChecked(true);
    QVERIFY(box.isChecked());
    QCOMPARE(clicks.count(), 0);

    // Anywhere on the control counts, even right of the caption.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 3, box.height() / 2));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!box.isChecked());
    QCOMPARE(clicks.at(0).at(0).toBool(), false);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(2, box.height() / 2));
    QCOMPARE(clicks.count(), 2);
    QVERIFY(box.isChecked());
}

void TestWidgets::bannerStretchesInAndStops()
{
    // A picture whose halves differ, so the last frame shows where it lies.
    const QSize size(471, 36);
    QPixmap picture(size);
    picture.fill(Qt::red);
    {
        QPainter painter(&picture);
        painter.fillRect(QRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height()), Qt::green);
    }

    AnimationFX banner;
    banner.resize(size);
    banner.setPicture(picture);
    banner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&banner));

    banner.start();
    QVERIFY(banner.isRunning());
    QCOMPARE(banner.halfWidth(), 0);
    // The first frame shows a strip of no width: only the black ground.
    QCOMPARE(banner.grab().toImage().pixelColor(size.width() / 2, size.height() / 2), QColor(Qt::black));

    QTRY_VERIFY_WITH_TIMEOUT(!banner.isRunning(), 5000);
    const int half = size.width() / 2;
    QVERIFY2(banner.halfWidth() >= half, qPrintable(QString::number(banner.halfWidth())));
    // It stops at the first frame that reaches half the picture.
    QVERIFY(banner.halfWidth() - 20 < half);

    // At rest the whole picture shows, unstretched.
    const QImage shown = banner.grab().toImage();
    QCOMPARE(shown.pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(size.width() - 5, size.height() - 5), QColor(Qt::green));

    // It can run again from the start.
    banner.start();
    QCOMPARE(banner.halfWidth(), 0);
    QVERIFY(banner.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!banner.isRunning(), 5000);
}

void TestWidgets::plainFrameLetsClicksThrough()
{
    QWidget page;
    page.resize(200, 100);
    auto *button = new QPushButton(QStringLiteral("x"), &page);
    button->setGeometry(20, 20, 60, 20);
    // Made after the button and over it, as the layout makes them.
    auto *frame = new FlatBorder(&page);
    frame->setGeometry(10, 10, 100, 50);
    auto *panel = new FlatBorder(&page, true);
    panel->setGeometry(120, 10, 70, 70);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QVERIFY(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(page.childAt(30, 30), button);
    QCOMPARE(page.childAt(12, 12), nullptr);
    // A framed panel is a container and takes its clicks.
    QVERIFY(!panel->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(page.childAt(150, 40), panel);

    // The outline is drawn in the frame's colour, and follows a new colour.
    QCOMPARE(frame->grab().toImage().pixelColor(0, 0), frame->frameColor());
    frame->setFrameColor(Qt::black);
    const QImage black = frame->grab().toImage();
    QCOMPARE(black.pixelColor(frame->width() - 1, frame->height() - 1), QColor(Qt::black));
    QCOMPARE(black.pixelColor(frame->width() / 2, 0), QColor(Qt::black));
}

void TestWidgets::disabledBitmapButtonIgnoresClicks()
{
    BitmapButton button(81);
    button.setText(QStringLiteral("     сохранить"));
    button.resize(81, 20);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicks(&button, &QAbstractButton::clicked);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);

    button.setEnabled(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(button.focusPolicy() & Qt::TabFocus);
}

void TestWidgets::datePickerSetsDateSilently()
{
    DatePicker picker;
    QSignalSpy changes(&picker, &QDateEdit::dateChanged);
    QSignalSpy userChanges(&picker, &DatePicker::userDateChanged);
    const QDate other = picker.date().addDays(40);
    picker.setDateSilently(other);
    QCOMPARE(picker.date(), other);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(picker.text(), other.toString(QStringLiteral("dd.MM.yyyy - ")));

    // A date from code is never the user's choice.
    picker.setDate(other.addDays(1));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(userChanges.count(), 0);
}

namespace {

enum PickerInput {
    TypeEnter,
    TypeTabAway,
    TypeUnfinished,
    TypeSameDay,
    ArrowUp,
    Wheel,
    CalendarClick,
    CalendarEscape,
    CalendarSameDay,
};

} // namespace

void TestWidgets::datePickerReportsUserChoices_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QList<QDate>>("reported");
    QTest::addColumn<QDate>("date");

    const QDate start(2004, 2, 3);
    QTest::newRow("typed day, Enter") << int(TypeEnter) << QList<QDate>{QDate(2004, 2, 7)} << QDate(2004, 2, 7);
    QTest::newRow("typed day, Tab away") << int(TypeTabAway) << QList<QDate>{QDate(2004, 2, 7)} << QDate(2004, 2, 7);
    QTest::newRow("typing not finished") << int(TypeUnfinished) << QList<QDate>{} << start;
    QTest::newRow("the same day typed again") << int(TypeSameDay) << QList<QDate>{} << start;
    QTest::newRow("arrow up a day") << int(ArrowUp) << QList<QDate>{QDate(2004, 2, 4)} << QDate(2004, 2, 4);
    QTest::newRow("wheel up a day") << int(Wheel) << QList<QDate>{QDate(2004, 2, 4)} << QDate(2004, 2, 4);
    QTest::newRow("day clicked in the calendar")
        << int(CalendarClick) << QList<QDate>{QDate(2004, 2, 20)} << QDate(2004, 2, 20);
    QTest::newRow("calendar moved by keys, then Escape") << int(CalendarEscape) << QList<QDate>{} << start;
    QTest::newRow("the shown day clicked") << int(CalendarSameDay) << QList<QDate>{} << start;
}

void TestWidgets::datePickerReportsUserChoices()
{
    QFETCH(int, input);
    QWidget window;
    auto *picker = new DatePicker(&window);
    picker->setGeometry(10, 10, 78, 23);
    auto *next = new QLineEdit(&window);
    next->setGeometry(10, 40, 78, 23);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    picker->setDateSilently(QDate(2004, 2, 3));
    QSignalSpy reports(picker, &DatePicker::userDateChanged);

    switch (PickerInput(input)) {
    case TypeEnter:
    case TypeTabAway:
    case TypeUnfinished:
        TypeIntoPicker(picker, QStringLiteral("07"), input == TypeEnter);
        if (input == TypeTabAway)
            next->setFocus(Qt::TabFocusReason);
        break;
    case TypeSameDay:
        TypeIntoPicker(picker, QStringLiteral("03"), true);
        break;
    case ArrowUp:
        picker->setFocus(Qt::TabFocusReason);
        QTest::keyClick(picker, Qt::Key_Up);
        break;
    case Wheel: {
        picker->setFocus(Qt::TabFocusReason);
        const QPointF at(20, 10);
        QWheelEvent wheel(at, picker->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(picker, &wheel);
        break;
    }
    case CalendarClick:
    case CalendarSameDay: {
        QCalendarWidget *calendar = OpenCalendar(picker);
        QVERIFY(calendar);
        QVERIFY(ClickDay(calendar, input == CalendarClick ? 20 : 3));
        QTRY_VERIFY(!calendar->isVisible());
        break;
    }
    case CalendarEscape: {
        QCalendarWidget *calendar = OpenCalendar(picker);
        QVERIFY(calendar);
        QTest::keyClick(calendar, Qt::Key_Right);
        QTest::keyClick(calendar, Qt::Key_Escape);
        QTRY_VERIFY(!calendar->isVisible());
        break;
    }
    }
    QList<QDate> reported;
    for (const QList<QVariant> &report : reports)
        reported << report.at(0).toDate();
    QTEST(reported, "reported");
    QTEST(picker->date(), "date");
}

void TestWidgets::todayMarkFollowsItsSource()
{
    QDate today(2004, 2, 3);
    DatePicker picker;
    picker.resize(78, 23);
    picker.setDateSilently(today);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QCalendarWidget *calendar = picker.calendarWidget();
    QVERIFY(calendar);
    // Without a source no day is marked, not even the computer's today.
    QVERIFY(!calendar->dateTextFormat(QDate::currentDate()).font().bold());

    picker.setTodaySource([&today] { return today; });
    QCOMPARE(picker.markedToday(), QDate(2004, 2, 3));
    QVERIFY(calendar->dateTextFormat(QDate(2004, 2, 3)).font().bold());

    // The clock moves on; the calendar opens with the new day marked.
    today = QDate(2004, 2, 4);
    QVERIFY(OpenCalendar(&picker));
    QCOMPARE(picker.markedToday(), QDate(2004, 2, 4));
    QVERIFY(calendar->dateTextFormat(QDate(2004, 2, 4)).font().bold());
    QVERIFY(!calendar->dateTextFormat(QDate(2004, 2, 3)).font().bold());
    QVERIFY(!calendar->dateTextFormat(QDate::currentDate()).font().bold());
}

void TestWidgets::linkUnderlineInsideTheLabel_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("a small face") << 9;
    QTest::newRow("the layout's face") << 11;
    QTest::newRow("a face taller than the label") << 15;
}

void TestWidgets::linkUnderlineInsideTheLabel()
{
    QFETCH(int, pixelSize);
    LinkLabel link;
    QFont font = link.font();
    font.setPixelSize(pixelSize);
    link.setFont(font);
    link.resize(200, 13);
    link.setLink(QStringLiteral("mailto:a@x.test"), QStringLiteral("a@x.test"));
    link.setLinkColor(QColor(0x0A, 0x23, 0x67));
    QCOMPARE(link.size(), QSize(200, 13));

    const QImage image = link.grab().toImage();
    const int textWidth = link.fontMetrics().horizontalAdvance(link.text());
    QList<int> underlined;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < textWidth; ++x)
            run += image.pixelColor(x, y) == link.linkColor() ? 1 : 0;
        if (run == textWidth)
            underlined << y;
    }
    QCOMPARE(underlined, QList<int>{link.underlineRow()});
    QVERIFY(link.underlineRow() <= 12);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
