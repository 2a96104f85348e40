// The notepad page.

#include "Unit1.h"

#include <QPlainTextEdit>

#include "notepad/NoteFile.h"
#include "widgets/BitmapButton.h"

void TForm1::LoadNote()
{
    const std::optional<QString> text = notepad::LoadNoteFile(DataPath(notepad::NoteFileName));
    if (!text)
        return;
    Memo4->setPlainText(*text);
    RzBmpButton3->setEnabled(false);
}
