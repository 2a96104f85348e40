// The notepad page: the note loaded at start, saved by the button or a double
// click in the text.

#include "Unit1.h"

#include <functional>
#include <utility>

#include <QDir>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "i18n/FileTexts.h"
#include "notepad/NoteFile.h"
#include "widgets/BitmapButton.h"

namespace {

// Runs an action on a double click of the left button in the watched widget.
class DoubleClickWatcher final : public QObject {
public:
    DoubleClickWatcher(QObject *parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            m_action();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void TForm1::ConnectNotepadHandlers()
{
    connect(RzBmpButton3, &QAbstractButton::clicked, this, [this] { RzBmpButton3Click(); });
    connect(Memo4, &QPlainTextEdit::textChanged, this, [this] { Memo4Change(); });
    Memo4->viewport()->installEventFilter(new DoubleClickWatcher(Memo4, [this] { Memo4DblClick(); }));
}

void TForm1::LoadNote()
{
    const QString path = DataPath(notepad::NoteFileName);
    const notepad::NoteReadResult note = notepad::LoadNoteFile(path);
    if (note.status == codec::ReadStatus::Failed) {
        // Kept read-only for the run, so no save can put less in its place.
        m_noteLoadFailed = true;
        Memo4->setReadOnly(true);
        ShowError(i18n::ReadFailedMessage(UiLanguage, QDir::toNativeSeparators(path), note.error));
        return;
    }
    if (note.status != codec::ReadStatus::Read)
        return;
    Memo4->setPlainText(note.text);
    RzBmpButton3->setEnabled(false);
}

bool TForm1::SaveNote()
{
    const QString path = DataPath(notepad::NoteFileName);
    if (m_noteLoadFailed) {
        ShowError(i18n::NotChangedAfterFailedReadMessage(UiLanguage, path));
        return false;
    }
    // The raw text keeps a no-break space as it is; toPlainText() would blank it.
    const codec::FileError error = notepad::SaveNoteFile(path, Memo4->document()->toRawText());
    if (error.failed()) {
        ShowError(i18n::WriteFailedMessage(UiLanguage, path, error));
        return false;
    }
    return true;
}

void TForm1::RzBmpButton3Click()
{
    if (!SaveNote())
        return;
    RzBmpButton3->setEnabled(false);
    Memo4->setFocus();
}

void TForm1::Memo4DblClick()
{
    if (!SaveNote())
        return;
    // From code: the page-change steps of a user's tab click do not run, and
    // the save button keeps its state.
    PageControl1->setCurrentIndex(0);
}

void TForm1::Memo4Change()
{
    RzBmpButton3->setEnabled(true);
}
