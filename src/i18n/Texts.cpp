#include "i18n/Texts.h"

#include <cerrno>

#include <QDir>

// Every blank inside these texts is deliberate: the bitmap buttons centre
// their captions by leading blanks, the English tabs are padded so that both
// languages give tabs of a similar width, and the labels that end in a blank
// have a control or a number right after them.
namespace i18n {
namespace {

constexpr Property WindowTitle = Property::WindowTitle;
constexpr Property ApplicationTitle = Property::ApplicationTitle;
constexpr Property TrayHint = Property::TrayHint;
constexpr Property TitleLabel = Property::TitleLabel;
constexpr Property DialogTitle = Property::DialogTitle;
constexpr Property PageCaption = Property::PageCaption;
constexpr Property Caption = Property::Caption;
constexpr Property Hint = Property::Hint;
constexpr Property ComboItem = Property::ComboItem;
constexpr Property ColumnCaption = Property::ColumnCaption;
constexpr Property MenuItem = Property::MenuItem;

TextEntry Row(const char *target, Property property, int index, const char *russian, const char *english)
{
    return {target, property, index, QString::fromUtf8(russian), QString::fromUtf8(english)};
}

std::vector<TextEntry> BuildTextTable()
{
    return {
        Row("Form1", WindowTitle, 0, "Толвик", "Tolvik"),
        Row("Application", ApplicationTitle, 0, "Толвик", "Tolvik"),
        Row("RzTrayIcon1", TrayHint, 0, "Толвик", "Tolvik"),
        Row("Label9", TitleLabel, 0, "\"Толвик\" ", "\"Tolvik\" "),
        Row("OpenDialog1", DialogTitle, 0, "Выбор файла для запуска", "Select File for Launch"),

        Row("TabSheet1", PageCaption, 0, "Записи", "    Entries    "),
        Row("TabSheet2", PageCaption, 1, "Добавить запись", "  Add new entry  "),
        Row("TabSheet5", PageCaption, 2, "Настройки", "   Options   "),
        Row("TabSheet3", PageCaption, 3, "Напоминание", " Reminder "),
        Row("TabSheet6", PageCaption, 4, "Блокнот", "   Notes   "),
        Row("TabSheet7", PageCaption, 5, "Телефоны", " Phones "),
        Row("TabSheet4", PageCaption, 6, "История", " History "),

        // Records page.
        Row("Label10", Caption, 0, "Записи ", "Entries "),
        Row("RzLineComboBox1", ComboItem, 0, "на сегодня", "today"),
        Row("RzLineComboBox1", ComboItem, 1, "на завтра", "tomorrow"),
        Row("RzLineComboBox1", ComboItem, 2, "не напомненные", "not reminded"),
        Row("RzLineComboBox1", ComboItem, 3, "по дате", "by date"),
        Row("RzLineComboBox1", ComboItem, 4, "ВСЕ", "Show ALL"),
        Row("Label21", Caption, 0, "Всего записей: ", "Entries Count: "),
        Row("Label21", Hint, 0, "Показанных в списке", "Showed in list"),
        Row("RzListView1", ColumnCaption, 0, "Дата", "Date"),
        Row("RzListView1", ColumnCaption, 1, "Время", "Time"),
        Row("RzListView1", ColumnCaption, 2, "Сообщение", "Message"),
        Row("RzListView1", ColumnCaption, 3, "Запускаемый файл", "Launch file"),
        Row("RzListView1", ColumnCaption, 4, "параметры записи", "Entry options"),
        Row("RzListView1", ColumnCaption, 5, "Дата наоборот", "ReversDate"),

        // Add record page.
        Row("Label3", Caption, 0, "Дата:", "Date:"),
        Row("Label4", Caption, 0, "Время:", "Time:"),
        Row("Label18", Caption, 0, "часы", "hour"),
        Row("Label19", Caption, 0, "минуты", "min"),
        Row("RzSpinEdit1", Hint, 0, "Используйте MouseScroll...", "Use MouseScroll..."),
        Row("RzSpinEdit2", Hint, 0, "Используйте MouseScroll...", "Use MouseScroll..."),
        Row("LMDCheckBox9", Caption, 0, "Знаменательная дата", "Favorite date"),
        Row("LMDCheckBox9", Hint, 0, "Дни рождения, праздники...", "Birthdays, holidays..."),
        Row("Label16", Caption, 0, "Повторять через каждые", " Repeat every"),
        Row("Label17", Caption, 0, "минут", "minutes"),
        Row("Label2", Caption, 0, "Показывать сообщение:", "Show Message:"),
        Row("LMDCheckBox8", Caption, 0, "Воспроизводить звук", "Play sound"),
        Row("LMDCheckBox10", Caption, 0, "Выключить компьютер !", "Power off PC !"),
        Row("LMDCheckBox10", Hint, 0, "Только Windows Me", "Only Windows Me"),
        Row("Label14", Caption, 0, "Запускать файл:", "Launch File:"),
        Row("RzBmpButton4", Caption, 0, "     открыть", "   Browse"),
        Row("RzBmpButton1", Caption, 0, "     сохранить", "   Save"),

        // Options page.
        Row("LMDCheckBox1", Caption, 0, "Не показывать окно при запуске (запускать в трей)", "Run to tray"),
        Row("LMDCheckBox5", Caption, 0, "Показывать окно только если есть записи на этот день",
            "Don`t run to tray, if have entries for this day"),
        Row("LMDCheckBox2", Caption, 0, "Востанавливать окно программы из трея одним щелчком",
            "Restore window from tray by one click"),
        Row("LMDCheckBox3", Caption, 0, "Оставаться поверх всех окон", "Stay on top"),
        Row("LMDCheckBox4", Caption, 0, "Запускать при загрузке Windows", "Start with Windows"),
        Row("LMDCheckBox6", Caption, 0, "Чёрная окантовка", "Black Flat Border`s"),
        Row("RzBmpButton2", Caption, 0, "     сохранить", "   Save"),

        // Reminder and notepad pages.
        Row("Label12", Caption, 0, "Напоминание:", "Message:"),
        Row("RzBmpButton3", Caption, 0, "     сохранить", "   Save"),

        // Phone book page.
        Row("RzBmpButton7", Caption, 0, "      прочитать", "  Read"),
        Row("RzBmpButton7", Hint, 0, "нажмите для начала работы с телефонной книгой...",
            "press this button for start work with phonebook..."),
        Row("RzListView2", ColumnCaption, 0, "Имя", "Name"),
        Row("RzListView2", ColumnCaption, 1, "Дом./Раб./Моб. Телефон", "Home/Work/Mob.Phone #"),
        Row("RzListView2", ColumnCaption, 2, "Адрес", "address"),
        Row("Label15", Caption, 0, "Имя:", "Name:"),
        Row("Label20", Caption, 0, "Дом./Раб./Моб. Телефон", "Home/Work/Mob.Phone #"),
        Row("Label13", Caption, 0, "Адрес:", "address:"),
        Row("RzBmpButton8", Caption, 0, "     добавить", "  Add"),

        // Tray menu: N1, N6, N2.
        Row("PopupMenu1", MenuItem, 0, "Показать окно", "show window"),
        Row("PopupMenu1", MenuItem, 1, "Блокнот", "note`s"),
        Row("PopupMenu1", MenuItem, 2, "Выгрузить толвик", "exit"),
        // Record list menu: N3, N4, N5, N12, N13.
        Row("PopupMenu2", MenuItem, 0, "Показывать заголовки колонок", "Show column headers"),
        Row("PopupMenu2", MenuItem, 1, "Сортировать по дате", "Sort by Date"),
        Row("PopupMenu2", MenuItem, 2, "Сортировать по времени", "Sort by Time"),
        Row("PopupMenu2", MenuItem, 3, "Удалить эту запись", "Delete this entry"),
        Row("PopupMenu2", MenuItem, 4, "перенести на следующий день", "move entry to next day"),
        // Phone list menu: N8, N9, N10, N7, N11.
        Row("PopupMenu3", MenuItem, 0, "сортировать по имени", "sort by name"),
        Row("PopupMenu3", MenuItem, 1, "сортировать по номеру", "sort by phone #"),
        Row("PopupMenu3", MenuItem, 2, "сортировать по адресу", "sort by address"),
        Row("PopupMenu3", MenuItem, 3, "Показывать заголовки колонок", "Show column headers"),
        Row("PopupMenu3", MenuItem, 4, "Удалить эту запись", "Delete this entry"),
    };
}

// The History page: title, a word to the user, then the change log, oldest
// entry first. Detail lines start with "- "; a detail too long for one line
// continues on the next, indented by two blanks.
const char *const HistoryText[] = {
    "\"Tolvik for Windows ver.2\"",
    "платформа: Windows Me",
    "",
    "без ограничений",
    "",
    "Программа не проверялась под Windows 2000 и Windows XP,",
    "работа под этими системами не гарантируется.",
    "",
    "Если вы нашли ошибку, пожалуйста, напишите о ней",
    "по адресу tolvik@x.test",
    "",
    "Если у вас есть идеи, как сделать толвик удобнее,",
    "присылайте их - все письма будут прочитаны,",
    "а лучшие идеи войдут в следующие версии.",
    "",
    "автор: разработчики Толвика",
    "",
    "e-mail: tolvik@x.test",
    "",
    "[2:19 30.07.2003] программа в стадии разработки",
    "- значок в трее и меню по правой кнопке",
    "- список записей на сегодня",
    "[23:40 04.08.2003] версия 0.9.0.0",
    "- напоминание в заданное время",
    "- запуск файла вместе с напоминанием",
    "[10.08.2003] версия 1.0.0.0",
    "- первая рабочая версия",
    "- настройки хранятся в файле tolvik.ini",
    "[1:15 23.08.2003] версия 1.0.1.0",
    "- звуковой сигнал при напоминании",
    "- повтор напоминания через заданное число минут",
    "[22:05 07.09.2003] версия 1.1.0.0",
    "- фильтр списка: на сегодня, на завтра, не напомненные,",
    "  по дате и все записи",
    "- сортировка по дате и по времени",
    "[0:30 28.09.2003] версия 1.1.1.0",
    "- знаменательные даты (дни рождения, праздники)",
    "- исправлена ошибка при удалении записи",
    "[19:45 19.10.2003] версия 1.2.0.0",
    "- телефонная книга",
    "- поиск в телефонной книге по первым буквам",
    "[16.11.2003] версия 1.2.1.0",
    "- блокнот, сохранение двойным щелчком",
    "- выключение компьютера по напоминанию (только Windows Me)",
    "[21:10 07.12.2003] версия 1.3.0.0",
    "- запуск при загрузке Windows",
    "- восстановление окна из трея одним щелчком",
    "[2:47 20.12.2003] версия 1.3.0.1",
    "- перенос записи на следующий день",
    "- окно поверх всех окон",
    "[23:09 05.01.2004] версия 1.3.0.2",
    "- исправлено мигание окна при запуске в трей",
    "- показ окна, только если есть записи на этот день",
    // The rule before version 2: 139 hyphens.
    "-------------------------------------------------------------------------------------------------------------"
    "------------------------------",
    "[18:20 18.01.2004] версия 2.0.0.0",
    "- новый внешний вид: плоские рамки и закладки",
    "- английский интерфейс",
    "- переключение языка без перезапуска",
    "- чёрная окантовка",
    "[0:55 22.01.2004] версия 2.0.0.1",
    "- исправлено сохранение записи с пустым сообщением",
    "- заголовки колонок можно скрыть",
    "[22:30 25.01.2004] версия 2.0.0.2",
    "- удаление записи из телефонной книги",
    "- сортировка телефонов по имени, номеру и адресу",
    "[1:05 28.01.2004] версия 2.0.0.3",
    "- счётчик показанных записей",
    "- подсказки к полям ввода",
    "- часы и минуты меняются колёсиком мыши",
    "[13:40 31.01.2004] версия 2.0.0.4",
    "- исправлена ошибка при переходе через полночь",
    "- знаменательная дата переносится на следующий год",
    "[20:00 02.02.2004] версия 2.0.1.0",
    "- имя владельца компьютера на странице записей",
    "- номер версии на странице истории",
    "- блокнот открывается из меню трея",
    "- мелкие исправления",
};

QStringList BuildHistoryLines()
{
    QStringList lines;
    for (const char *line : HistoryText)
        lines << QString::fromUtf8(line);
    return lines;
}

// The first five texts, each quoted and cut after its first 40 characters:
// a line of megabytes read as a date must not make a box of megabytes.
QString QuotedList(const QStringList &texts)
{
    constexpr int MaxListed = 5;
    constexpr qsizetype MaxQuoted = 40;
    QStringList quoted;
    for (int i = 0; i < texts.size() && i < MaxListed; ++i) {
        const QString &text = texts.at(i);
        const QString shown = text.size() > MaxQuoted ? text.left(MaxQuoted) + QStringLiteral("…") : text;
        quoted << QLatin1Char('\'') + shown + QLatin1Char('\'');
    }
    QString list = quoted.join(QLatin1String(", "));
    if (texts.size() > MaxListed)
        list += QStringLiteral(" …");
    return list;
}

} // namespace

const std::vector<TextEntry> &TextTable()
{
    static const std::vector<TextEntry> table = BuildTextTable();
    return table;
}

QString TodayPrefix(Language language)
{
    return language == English ? QStringLiteral("Today: ") : QStringLiteral("Сегодня: ");
}

int SpinEdit4Left(Language language)
{
    return language == English ? 96 : 158;
}

int Label17Left(Language language)
{
    return language == English ? 135 : 198;
}

const QStringList &HistoryLines()
{
    static const QStringList lines = BuildHistoryLines();
    return lines;
}

QString ErrorTitle(Language language)
{
    return language == English ? QStringLiteral("Error") : QStringLiteral("Ошибка");
}

QString BadDateMessage(Language language, const QStringList &dateTexts)
{
    const QString list = QuotedList(dateTexts);
    const qsizetype count = dateTexts.size();
    if (language == English) {
        const QString records = count == 1 ? QStringLiteral("1 record") : QStringLiteral("%1 records").arg(count);
        const QString kept =
            count == 1 ? QStringLiteral("The record is kept.") : QStringLiteral("The records are kept.");
        return QStringLiteral("Invalid date in %1 of tolvik.dat: %2. %3").arg(records, list, kept);
    }
    const QString kept = count == 1 ? QStringLiteral("Запись сохранена.") : QStringLiteral("Записи сохранены.");
    return QStringLiteral("Неверная дата в файле tolvik.dat (записей: %1): %2. %3")
        .arg(QString::number(count), list, kept);
}

QString WriteFailedMessage(Language language, const QString &filePath, const QString &reason)
{
    const QString text = language == English ? QStringLiteral("Cannot write file \"%1\": %2")
                                             : QStringLiteral("Не удалось записать файл \"%1\": %2");
    return text.arg(QDir::toNativeSeparators(filePath), reason);
}

} // namespace i18n

namespace i18n {

namespace {

QString ReasonKind(Language language, int errorNumber)
{
    const bool english = language == English;
    switch (errorNumber) {
    case 0:
        return english ? QStringLiteral("unknown reason") : QStringLiteral("причина неизвестна");
    case ENOSPC:
    case EDQUOT:
        return english ? QStringLiteral("no space left") : QStringLiteral("нет места на диске");
    case ENOENT:
        return english ? QStringLiteral("the folder is missing") : QStringLiteral("папка не найдена");
    case EEXIST:
    case ENOTDIR:
    case EISDIR:
        return english ? QStringLiteral("something is in the way") : QStringLiteral("на этом месте уже что-то есть");
    case EACCES:
    case EPERM:
    case EROFS:
        return english ? QStringLiteral("not allowed") : QStringLiteral("нет доступа");
    default:
        return {};
    }
}

} // namespace

QString SystemReason(Language language, int errorNumber)
{
    const QString kind = ReasonKind(language, errorNumber);
    if (errorNumber == 0)
        return kind;
    const QString system = qt_error_string(errorNumber);
    return kind.isEmpty() ? system : kind + QStringLiteral(" (") + system + QLatin1Char(')');
}

QString DataFolderFailedMessage(Language language, const QString &folder, int errorNumber)
{
    const QString text = language == English ? QStringLiteral("Cannot create the data folder \"%1\": %2")
                                             : QStringLiteral("Не удалось создать папку данных \"%1\": %2");
    return text.arg(QDir::toNativeSeparators(folder), SystemReason(language, errorNumber));
}

QString LockFailedMessage(Language language, const QString &lockPath, int errorNumber)
{
    const QString text = language == English ? QStringLiteral("Cannot create the lock file \"%1\": %2")
                                             : QStringLiteral("Не удалось создать файл блокировки \"%1\": %2");
    return text.arg(QDir::toNativeSeparators(lockPath), SystemReason(language, errorNumber));
}

QString StartFailedMessage(Language language, const QString &what)
{
    return (language == English ? QStringLiteral("Cannot start: ") : QStringLiteral("Не удалось запустить: ")) + what;
}

QString ReadOnlyFolderMessage(Language language, const QString &folder)
{
    const QString text =
        language == English
            ? QStringLiteral("The folder \"%1\" cannot be written: the records are shown, but no change will be saved.")
            : QStringLiteral("В папку \"%1\" нельзя записать: записи показаны, но изменения не сохранятся.");
    return text.arg(QDir::toNativeSeparators(folder));
}

} // namespace i18n

namespace i18n {

QString SessionEntryFailedMessage(const QString &reason)
{
    return QStringLiteral("Failed to set data for '%1': %2").arg(QStringLiteral("Tolvik"), reason);
}

QString PhoneDeleteQuestion(Language language)
{
    return language == English ? QStringLiteral("Delete this entry?") : QStringLiteral("Удалить эту запись?");
}

QString PhoneBookNotReadMessage(Language language)
{
    return language == English ? QStringLiteral("Read the phone book first: an entry added now would replace it.")
                               : QStringLiteral("Сначала прочитайте телефонную книгу: запись, добавленная сейчас, "
                                                "заменила бы её.");
}

} // namespace i18n
