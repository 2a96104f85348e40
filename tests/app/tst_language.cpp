#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QtTest>

#include "RecordTableModel.h"
#include "WindowFixture.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatControls.h"
#include <QAbstractItemView>
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"

// Switching the interface language at run time.
class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void everyTextFollowsTheTable_data();
    void everyTextFollowsTheTable();
    void titleDoesNotAccumulateVersion();
    void userChoiceSwitchesAndEnablesSave();
    void filterKeepsItsMeaning();
};

void TestLanguage::everyTextFollowsTheTable_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Russian") << int(i18n::Russian);
    QTest::newRow("English") << int(i18n::English);
}

void TestLanguage::everyTextFollowsTheTable()
{
    QFETCH(int, language);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), language == i18n::English ? "00000" : "00010");
    TForm1 &form = fixture.start();
    language == i18n::English ? form.SetEnglish() : form.SetRussian();
    const auto lang = i18n::Language(language);

    QCOMPARE(int(form.UiLanguage), language);
    QCOMPARE(form.LMDRadioGroup1->itemIndex(), language);
    QCOMPARE(form.TodayPrefix, i18n::TodayPrefix(lang));
    QCOMPARE(form.RzSpinEdit4->x(), language == i18n::English ? 96 : 158);
    QCOMPARE(form.Label17->x(), language == i18n::English ? 135 : 198);

    // Read every target back from the window, by name.
    using i18n::Property;
    for (const i18n::TextEntry &entry : i18n::TextTable()) {
        const QString target = QString::fromLatin1(entry.target);
        const QString expected = entry.text(lang);
        QString shown;
        switch (entry.property) {
        case Property::WindowTitle:
            shown = form.windowTitle();
            break;
        case Property::ApplicationTitle:
            shown = QGuiApplication::applicationDisplayName();
            break;
        case Property::TrayHint:
            shown = form.RzTrayIcon1->toolTip();
            break;
        case Property::TitleLabel:
            shown = form.Label9->text().chopped(i18n::VersionText.size());
            break;
        case Property::DialogTitle:
            shown = form.OpenDialog1Title;
            break;
        case Property::PageCaption:
            shown = form.PageControl1->tabText(entry.index);
            QCOMPARE(form.PageControl1->widget(entry.index)->objectName(), target);
            break;
        case Property::ComboItem:
            shown = form.RzLineComboBox1->itemText(entry.index);
            break;
        case Property::ColumnCaption: {
            const auto *list = form.findChild<QAbstractItemView *>(target);
            QVERIFY2(list, qPrintable(target));
            shown = list->model()->headerData(entry.index, Qt::Horizontal).toString();
            break;
        }
        case Property::MenuItem:
            shown = form.findChild<QMenu *>(target)->actions().at(entry.index)->text();
            break;
        case Property::Hint:
            shown = form.findChild<QWidget *>(target)->toolTip();
            break;
        case Property::Caption:
            if (auto *label = form.findChild<QLabel *>(target))
                shown = label->text();
            else
                shown = form.findChild<QAbstractButton *>(target)->text();
            break;
        }
        QVERIFY2(shown == expected, qPrintable(target + QStringLiteral(": ") + shown));
    }
}

void TestLanguage::titleDoesNotAccumulateVersion()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    form.SetRussian();
    form.SetEnglish();
    form.SetEnglish();
    form.SetRussian();
    QCOMPARE(form.Label9->text(), QStringLiteral("\"Толвик\" 2.0.1.0"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Толвик"));
}

void TestLanguage::userChoiceSwitchesAndEnablesSave()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), "00000");
    TForm1 &form = fixture.start();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.PageControl1->setCurrentIndex(2);
    QVERIFY(!form.RzBmpButton2->isEnabled());

    QRadioButton *english = form.LMDRadioGroup1->item(1);
    QTest::mouseClick(english, Qt::LeftButton, {}, QPoint(6, english->height() / 2));
    QCOMPARE(int(form.UiLanguage), int(i18n::English));
    QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("   Options   "));
    QVERIFY(form.RzBmpButton2->isEnabled());

    QRadioButton *russian = form.LMDRadioGroup1->item(0);
    QTest::mouseClick(russian, Qt::LeftButton, {}, QPoint(6, russian->height() / 2));
    QCOMPARE(int(form.UiLanguage), int(i18n::Russian));
    QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("Настройки"));
}

void TestLanguage::filterKeepsItsMeaning()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"),
                      DiaryRecordBytes("03.02.2004", "09:00", "a") + DiaryRecordBytes("04.02.2004", "09:00", "b"));
    TForm1 &form = fixture.start();
    form.RzLineComboBox1->setCurrentIndex(diary::FilterTomorrow);
    form.RzLineComboBox1Change();
    form.SetRussian();
    QCOMPARE(form.RzLineComboBox1->count(), 5);
    QCOMPARE(form.RzLineComboBox1->currentIndex(), int(diary::FilterTomorrow));
    form.ListUpdate();
    QCOMPARE(form.recordModel()->rowCount(), 1);
    QCOMPARE(form.recordModel()->rows().front().msg, QStringLiteral("b"));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
