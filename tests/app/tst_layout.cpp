#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "WindowFixture.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatBorder.h"
#include "widgets/FlatControls.h"
#include "widgets/LinkLabel.h"

// The controls as the layout makes them: names, order, places.
class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowFrame();
    void pagesInOrder();
    void menusInOrder_data();
    void menusInOrder();
    void controlByName_data();
    void controlByName();
    void frames_data();
    void frames();
    void spinRanges_data();
    void spinRanges();
    void disabledAtStart_data();
    void disabledAtStart();
    void tabsSixteenPixelsHigh();
    void linkKeepsItsPlace_data();
    void linkKeepsItsPlace();

private:
    WindowFixture *m_fixture = nullptr;
    TForm1 *m_form = nullptr;
};

namespace {

QStringList ActionNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *action : menu->actions())
        names << action->objectName();
    return names;
}

// The rows of the image where at least `run` pixels in a row have `color`.
QList<int> RowsWithRun(const QImage &image, const QColor &color, int run)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int length = 0;
        int longest = 0;
        for (int x = 0; x < image.width(); ++x) {
            length = image.pixelColor(x, y) == color ? length + 1 : 0;
            longest = qMax(longest, length);
        }
        if (longest >= run)
            rows << y;
    }
    return rows;
}

} // namespace

void TestLayout::initTestCase()
{
    m_fixture = new WindowFixture;
    m_form = &m_fixture->startShown();
}

void TestLayout::cleanupTestCase()
{
    delete m_fixture;
}

void TestLayout::windowFrame()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_form->size(), QSize(519, 391));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_form->PageControl1->geometry(), QRect(5, 21, 507, 352));
}

void TestLayout::pagesInOrder()
{
    QStringList pages;
    for (int index = 0; index < m_form->PageControl1->count(); ++index)
        pages << m_form->PageControl1->widget(index)->objectName();
    QCOMPARE(pages,
             (QStringList{"TabSheet1", "TabSheet2", "TabSheet5", "TabSheet3", "TabSheet6", "TabSheet7", "TabSheet4"}));
    QCOMPARE(m_form->PageControl1->currentIndex(), 0);
}

void TestLayout::menusInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("tray menu") << "PopupMenu1" << QStringList{"N1", "N6", "N2"};
    QTest::newRow("record list menu") << "PopupMenu2" << QStringList{"N3", "N4", "N5", "N12", "N13"};
    QTest::newRow("phone list menu") << "PopupMenu3" << QStringList{"N8", "N9", "N10", "N7", "N11"};
}

void TestLayout::menusInOrder()
{
    QFETCH(QString, menu);
    const auto *found = m_form->findChild<QMenu *>(menu);
    QVERIFY(found);
    QTEST(ActionNames(found), "items");
}

void TestLayout::controlByName_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"Label9",       "RzURLLabel1",    "Label6",       "StatusBar1",   "RzLineComboBox1", "RzDateTimePicker4",
          "RzListView1",  "RzListView3",    "RzEdit1",      "RzEdit2",      "RzSpinEdit1",     "RzSpinEdit2",
          "RzSpinEdit4",  "LMDRadioGroup1", "RzPanel1",     "Memo2",        "Memo4",           "RzListView2",
          "LMDMaskEdit1", "LMDMaskEdit2",   "LMDMaskEdit3", "AnimationFX1", "ListBox2",        "RzURLLabel4"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLayout::controlByName()
{
    QFETCH(QString, name);
    QVERIFY(m_form->findChild<QWidget *>(name));
}

void TestLayout::frames_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("hidden");
    for (int number = 1; number <= 28; ++number) {
        const bool hidden = QList<int>{19, 21, 22, 26, 27}.contains(number);
        QTest::addRow("RzBorder%d%s", number, hidden ? ", hidden" : "") << number << hidden;
    }
}

void TestLayout::frames()
{
    QFETCH(int, number);
    QFETCH(bool, hidden);
    auto *frame = m_form->findChild<FlatBorder *>(QStringLiteral("RzBorder%1").arg(number));
    QVERIFY(frame);
    QCOMPARE(m_form->RzBorder[number], frame);
    QCOMPARE(frame->isHidden(), hidden);
}

void TestLayout::spinRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maximum");
    QTest::newRow("hours") << "RzSpinEdit1" << 23;
    QTest::newRow("minutes") << "RzSpinEdit2" << 59;
    QTest::newRow("repeat minutes") << "RzSpinEdit4" << 60;
}

void TestLayout::spinRanges()
{
    QFETCH(QString, name);
    const auto *spin = m_form->findChild<QSpinBox *>(name);
    QVERIFY(spin);
    QCOMPARE(spin->minimum(), 0);
    QTEST(spin->maximum(), "maximum");
}

void TestLayout::disabledAtStart_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"RzBmpButton1", "RzBmpButton2", "RzBmpButton8", "RzEdit3", "Label16", "RzSpinEdit4", "Label17"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLayout::disabledAtStart()
{
    QFETCH(QString, name);
    const auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QVERIFY(!widget->isEnabled());
}

void TestLayout::tabsSixteenPixelsHigh()
{
    const QTabBar *tabs = m_form->PageControl1->tabBar();
    QVERIFY(tabs);
    QCOMPARE(tabs->height(), 16);
    for (int index = 0; index < tabs->count(); ++index)
        QVERIFY2(tabs->tabRect(index).height() == 16, qPrintable(QString::number(tabs->tabRect(index).height())));
    // The page begins right below the tabs: the page's outline runs along
    // the tabs' lowest row.
    QCOMPARE(m_form->TabSheet1->mapTo(m_form->PageControl1, QPoint(0, 0)).y(), 16);
}

void TestLayout::linkKeepsItsPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::newRow("mail link") << "RzURLLabel1" << QRect(392, 2, 73, 13) << i18n::ContactAddress
                               << QStringLiteral("mailto:") + i18n::ContactAddress;
    QTest::newRow("download link") << "RzURLLabel4" << QRect(14, 297, 376, 13)
                                   << "[download from " + i18n::DownloadSite + "]" << i18n::DownloadPage;
}

void TestLayout::linkKeepsItsPlace()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    auto *link = m_form->findChild<LinkLabel *>(name);
    QVERIFY(link);
    QCOMPARE(link->geometry(), place);
    QTEST(link->text(), "text");
    QTEST(link->url(), "url");
    // The text fits the label's width, and its underline lies inside its
    // 13 pixels: a row of the link's colour as wide as the text.
    const int textWidth = link->fontMetrics().horizontalAdvance(link->text());
    QVERIFY2(textWidth <= place.width(), qPrintable(QString::number(textWidth)));
    const QList<int> underline = RowsWithRun(link->grab().toImage(), link->linkColor(), textWidth - 1);
    QCOMPARE(underline, QList<int>{link->underlineRow()});
    QVERIFY(link->underlineRow() < place.height());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
