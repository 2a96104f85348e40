#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "i18n/ProductTexts.h"

// Every fixed text of the window in Russian and English, as data. The window
// applies a language by walking TextTable() and setting each target's text.
namespace i18n {

enum Language { Russian = 0, English = 1 };

// What receives a text. `index` in TextEntry says which item, page, column
// or menu entry, where the property has several.
enum class Property {
    WindowTitle,      // Form1's caption
    ApplicationTitle, // the application's display name
    TrayHint,         // RzTrayIcon1's tool tip
    TitleLabel,       // Label9's bare title; the window appends VersionText
    DialogTitle,      // OpenDialog1's title
    PageCaption,      // a page's tab text; index = page index in PageControl1
    Caption,          // a label, check box or button text
    Hint,             // a control's tool tip
    ComboItem,        // RzLineComboBox1's entry at index
    ColumnCaption,    // a report list's column at index
    MenuItem,         // a pop-up menu's item at index
};

struct TextEntry {
    const char *target; // objectName of the control, menu or page
    Property property;
    int index; // item, page, column or menu index; 0 where unused
    QString russian;
    QString english;

    const QString &text(Language language) const { return language == English ? english : russian; }
};

// The complete table: the same targets for both languages, in one list.
const std::vector<TextEntry> &TextTable();

// Put in front of today's date in the date headers, with its trailing blank.
QString TodayPrefix(Language language);

// The two controls that move with the language, on the Add page.
int SpinEdit4Left(Language language);
int Label17Left(Language language);

// The 77 lines of the History page.
const QStringList &HistoryLines();

// Messages the window shows in its error boxes.
QString ErrorTitle(Language language);
// Says how many records have a date that is not a date, and quotes the
// first five of those dates, each cut after 40 characters.
QString BadDateMessage(Language language, const QStringList &dateTexts);
QString WriteFailedMessage(Language language, const QString &filePath, const QString &reason);

} // namespace i18n

namespace i18n {

// The kind of a system error in words (no space, the folder is missing,
// something is in the way, not allowed), with the system's own text after it.
QString SystemReason(Language language, int errorNumber);

// The boxes of a start that cannot go on, and the notice of a data folder
// whose files show but cannot be saved.
QString DataFolderFailedMessage(Language language, const QString &folder, int errorNumber);
QString LockFailedMessage(Language language, const QString &lockPath, int errorNumber);
QString StartFailedMessage(Language language, const QString &what);
QString ReadOnlyFolderMessage(Language language, const QString &folder);

} // namespace i18n

namespace i18n {

// The Options page's save and the phone book.
// The toolkit's words for a start-with-session entry that could not be set,
// with the reason after them.
QString SessionEntryFailedMessage(const QString &reason);
QString PhoneDeleteQuestion(Language language);
// An add before the book was read would replace the stored book.
QString PhoneBookNotReadMessage(Language language);

} // namespace i18n
