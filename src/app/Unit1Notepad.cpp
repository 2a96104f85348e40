// The notepad page.

#include "Unit1.h"

#include <QDir>
#include <QPlainTextEdit>

#include "i18n/FileTexts.h"
#include "notepad/NoteFile.h"
#include "widgets/BitmapButton.h"

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
