// The phones page: the phone book read on demand, added to, sorted, searched
// by typing into the list, and deleted from behind a question.

#include "Unit1.h"

#include <functional>
#include <utility>

#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStandardItemModel>
#include <QTimer>

#include "MessageBox.h"
#include "codec/ListOrder.h"
#include "i18n/FileTexts.h"
#include "phonebook/PhoneBookFile.h"
#include "phonebook/PhoneFields.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatControls.h"
#include "widgets/ReportList.h"

namespace {

enum PhoneColumn { NameColumn = 0, PhonesColumn = 1, AddressColumn = 2 };

// Hands every typed character to an action before the list sees it.
class KeyPressWatcher final : public QObject {
public:
    KeyPressWatcher(QObject *parent, std::function<void(const QString &)> action)
        : QObject(parent), m_action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent *>(event)->text();
            if (!text.isEmpty())
                m_action(text);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(const QString &)> m_action;
};

QString CellText(const QStandardItemModel *model, int row, int column)
{
    const QStandardItem *item = model->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

void TForm1::ConnectPhonesHandlers()
{
    connect(RzBmpButton7, &QAbstractButton::clicked, this, [this] { RzBmpButton7Click(); });
    connect(RzBmpButton8, &QAbstractButton::clicked, this, [this] { RzBmpButton8Click(); });
    connect(RzEdit3, &QLineEdit::textChanged, this, [this] { RzEdit3Change(); });
    connect(Timer3, &QTimer::timeout, this, [this] { Timer3Timer(); });
    connect(N7, &QAction::triggered, this, [this] { N7Click(); });
    connect(N8, &QAction::triggered, this, [this] { N8Click(); });
    connect(N9, &QAction::triggered, this, [this] { N9Click(); });
    connect(N10, &QAction::triggered, this, [this] { N10Click(); });
    connect(N11, &QAction::triggered, this, [this] { N11Click(); });
    RzListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RzListView2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu3->popup(RzListView2->viewport()->mapToGlobal(pos)); });
    RzListView2->installEventFilter(
        new KeyPressWatcher(RzListView2, [this](const QString &character) { RzListView2KeyPress(character); }));
}

void TForm1::ShowPhoneBook(const phonebook::PhoneBook &book)
{
    m_phoneModel->setRowCount(0);
    for (const phonebook::PhoneEntry &entry : book) {
        QList<QStandardItem *> row;
        for (const QString &text : {entry.name, entry.phones, entry.address, QString()}) {
            auto *item = new QStandardItem(text);
            item->setEditable(false);
            row << item;
        }
        m_phoneModel->appendRow(row);
    }
}

phonebook::PhoneBook TForm1::PhoneBookOnScreen() const
{
    phonebook::PhoneBook book;
    book.reserve(std::size_t(m_phoneModel->rowCount()));
    for (int row = 0; row < m_phoneModel->rowCount(); ++row)
        book.push_back({CellText(m_phoneModel, row, NameColumn), CellText(m_phoneModel, row, PhonesColumn),
                        CellText(m_phoneModel, row, AddressColumn)});
    return book;
}

void TForm1::RzBmpButton7Click()
{
    m_phoneModel->setRowCount(0);
    const QString path = DataPath(phonebook::PhoneBookFileName);
    const phonebook::PhoneBookReadResult read = phonebook::ReadPhoneBookFile(path);
    m_phoneReadFailed = read.status == codec::ReadStatus::Failed;
    if (m_phoneReadFailed) {
        // The list stays empty and nothing may write the file until a read succeeds.
        ShowError(i18n::ReadFailedMessage(UiLanguage, QDir::toNativeSeparators(path), read.error));
        return;
    }
    if (read.status == codec::ReadStatus::Missing) {
        const codec::FileError error = phonebook::WritePhoneBookFile(path, {});
        if (error.failed())
            ShowError(i18n::WriteFailedMessage(UiLanguage, path, error));
    }
    ShowPhoneBook(read.entries);
    m_phoneBookRead = true;
    RzEdit3->setEnabled(true);
}

void TForm1::WritePhoneBook()
{
    const QString path = DataPath(phonebook::PhoneBookFileName);
    const codec::FileError error = phonebook::WritePhoneBookFile(path, PhoneBookOnScreen());
    if (!error.failed())
        return;
    ShowError(i18n::WriteFailedMessage(UiLanguage, path, error));
    // The list shows what the file holds, never an entry that is not stored.
    const phonebook::PhoneBookReadResult read = phonebook::ReadPhoneBookFile(path);
    m_phoneReadFailed = read.status == codec::ReadStatus::Failed;
    ShowPhoneBook(read.entries);
}

void TForm1::ResetPhoneFields()
{
    RzEdit3->clear();
    RzEdit4->clear();
    // A cleared mask edit shows every place unfilled: "__-__-__".
    for (QLineEdit *field : {LMDMaskEdit1, LMDMaskEdit3, LMDMaskEdit2})
        field->clear();
}

void TForm1::RzBmpButton8Click()
{
    // Before the first read the list is empty: an add would replace the book.
    if (!m_phoneBookRead || m_phoneReadFailed) {
        ShowError(i18n::PhoneBookNotReadMessage(UiLanguage));
        return;
    }
    phonebook::PhoneBook book = PhoneBookOnScreen();
    // The fields as shown, "_" for an unfilled place (text() would drop those).
    const QString phones =
        phonebook::JoinPhones(LMDMaskEdit1->displayText(), LMDMaskEdit3->displayText(), LMDMaskEdit2->displayText());
    book.push_back({RzEdit3->text(), phones, RzEdit4->text()});
    ShowPhoneBook(book);
    WritePhoneBook();
    ResetPhoneFields();
    RzBmpButton8->setEnabled(false);
}

void TForm1::RzEdit3Change()
{
    RzBmpButton8->setEnabled(true);
}

void TForm1::RzListView2KeyPress(const QString &character)
{
    // A burst lasts 1100 ms from its first character: a running timer is not restarted.
    if (!Timer3->isActive())
        Timer3->start();
    RzEdit3->setText(RzEdit3->text() + character);
    // The list's own search looks in the column of its current cell: the names.
    const QModelIndex current = RzListView2->currentIndex();
    if (current.isValid() && current.column() != NameColumn)
        RzListView2->setCurrentIndex(current.siblingAtColumn(NameColumn));
}

void TForm1::Timer3Timer()
{
    RzEdit3->setText(QString());
    Timer3->stop();
}

void TForm1::SortPhones(int column)
{
    const bool ascending = m_phoneSortMemory.nextDirection(column);
    phonebook::PhoneBook book = PhoneBookOnScreen();
    codec::SortByCell(
        book,
        [column](const phonebook::PhoneEntry &entry) -> QStringView {
            return column == NameColumn ? entry.name : column == PhonesColumn ? entry.phones : entry.address;
        },
        ascending);
    ShowPhoneBook(book);
}

void TForm1::N8Click()
{
    SortPhones(NameColumn);
}

void TForm1::N9Click()
{
    SortPhones(PhonesColumn);
}

void TForm1::N10Click()
{
    SortPhones(AddressColumn);
}

void TForm1::N7Click()
{
    const bool show = !RzListView2->headerShown();
    RzListView2->setHeaderShown(show);
    N7->setChecked(show);
}

void TForm1::N11Click()
{
    const QModelIndexList selected = RzListView2->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    if (m_seams.messageBox->question(this, windowTitle(), i18n::PhoneDeleteQuestion(UiLanguage)) != MessageBox::Yes)
        return;
    m_phoneModel->removeRow(row);
    WritePhoneBook();
}
