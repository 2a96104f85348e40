// The Options page: the options line applied at start, the check boxes'
// handlers, the save, black borders, and the two languages.

#include "Unit1.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QStandardItemModel>
#include <QSystemTrayIcon>
#include <QTabWidget>

#include "Palette.h"
#include "RecordTableModel.h"
#include "i18n/FileTexts.h"
#include "i18n/Texts.h"
#include "platform/StartWithSession.h"
#include "settings/OptionString.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatBorder.h"
#include "widgets/FlatControls.h"
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"
#include "widgets/LinkLabel.h"

namespace {

// The frames that black-border mode turns black; 19, 26 and 27 keep their colour.
bool FollowsBlackBorders(int frameNumber)
{
    return frameNumber != 19 && frameNumber != 26 && frameNumber != 27;
}

} // namespace

void TForm1::ConnectOptionsHandlers()
{
    connect(LMDRadioGroup1, &LanguageRadioGroup::userChanged, this, [this] { LMDRadioGroup1Change(); });
    // `clicked` comes from the user's mouse and keyboard only, never from setChecked().
    connect(LMDCheckBox1, &QAbstractButton::clicked, this, [this] { LMDCheckBox1Change(); });
    connect(LMDCheckBox2, &QAbstractButton::clicked, this, [this] { LMDCheckBox2Change(); });
    connect(LMDCheckBox3, &QAbstractButton::clicked, this, [this] { LMDCheckBox3Change(); });
    connect(LMDCheckBox4, &QAbstractButton::clicked, this, [this] { LMDCheckBox4Change(); });
    connect(LMDCheckBox5, &QAbstractButton::clicked, this, [this] { LMDCheckBox5Change(); });
    connect(LMDCheckBox6, &QAbstractButton::clicked, this, [this] { LMDCheckBox6Change(); });
    connect(RzBmpButton2, &QAbstractButton::clicked, this, [this] { RzBmpButton2Click(); });
}

// The check boxes ---------------------------------------------------------------

void TForm1::LMDCheckBox1Change()
{
    // LMDCheckBox5 keeps its mark while disabled; the save ignores it then.
    LMDCheckBox5->setEnabled(LMDCheckBox1->isChecked());
    RzBmpButton2->setEnabled(true);
}

void TForm1::LMDCheckBox2Change()
{
    RzBmpButton2->setEnabled(true);
}

void TForm1::LMDCheckBox3Change()
{
    RzBmpButton2->setEnabled(true);
    SetStayOnTop(LMDCheckBox3->isChecked());
}

void TForm1::LMDCheckBox4Change()
{
    RzBmpButton2->setEnabled(true);
}

void TForm1::LMDCheckBox5Change()
{
    RzBmpButton2->setEnabled(true);
}

void TForm1::LMDCheckBox6Change()
{
    RzBmpButton2->setEnabled(true);
}

// The save -------------------------------------------------------------------

settings::OptionsState TForm1::OptionsPageState() const
{
    settings::OptionsState state;
    state.runToTray = LMDCheckBox1->isChecked();
    state.onlyIfToday = LMDCheckBox5->isChecked();
    state.singleClickRestore = LMDCheckBox2->isChecked();
    state.stayOnTop = LMDCheckBox3->isChecked();
    state.languageButton = LMDRadioGroup1->itemIndex();
    state.blackBorders = LMDCheckBox6->isChecked();
    return state;
}

void TForm1::RzBmpButton2Click()
{
    // The options file is written whole first, so it always holds its five
    // characters whatever the session entry does after it.
    const QString path = DataPath(settings::OptionsFileName);
    const codec::FileError error = settings::WriteOptionString(path, OptionsPageState());
    if (error.failed()) {
        ShowError(i18n::WriteFailedMessage(UiLanguage, path, error));
        return;
    }
    const QString reason = m_seams.startWithSession->setEnabled(LMDCheckBox4->isChecked());
    if (!reason.isEmpty()) {
        ShowError(i18n::SessionEntryFailedMessage(reason));
        return;
    }
    RzBmpButton2->setEnabled(false);
}

void TForm1::ApplyStartOptions(const settings::Options &options)
{
    using settings::StartMode;
    if (options.startMode == StartMode::Window) {
        LMDCheckBox1->setChecked(false);
    } else if (options.startMode == StartMode::Tray) {
        LMDCheckBox1->setChecked(true);
        LMDCheckBox5->setEnabled(true);
    } else if (options.startMode == StartMode::TrayUnlessToday) {
        // LMDCheckBox1 keeps its layout state, checked.
        LMDCheckBox5->setEnabled(true);
        LMDCheckBox5->setChecked(true);
        ShowOnlyIfToday = 1;
    }
    if (options.restoreOnSingleClick) {
        m_restoreOnSingleClick = *options.restoreOnSingleClick;
        LMDCheckBox2->setChecked(m_restoreOnSingleClick);
    }
    if (options.stayOnTop) {
        LMDCheckBox3->setChecked(*options.stayOnTop);
        SetStayOnTop(*options.stayOnTop);
    }
    if (options.language == i18n::Russian)
        SetRussian();
    else if (options.language == i18n::English)
        SetEnglish();
}

void TForm1::ApplyBorderOption(const settings::Options &options)
{
    if (!options.blackBorders)
        return;
    LMDCheckBox6->setChecked(*options.blackBorders);
    if (*options.blackBorders)
        ApplyBlackBorders();
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
    RzURLLabel1->setLinkColor(palette::Black);
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
