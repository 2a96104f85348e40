#pragma once

#include <QString>

#include "i18n/Texts.h"

class MessageBox;
class TForm1;

// The language of the boxes a start shows before its window exists: the one
// the options line in `folder` chooses, the default line's when there is none.
i18n::Language StartLanguage(const QString &folder);

// Says, in the window's language, that the data files in `folder` show but
// cannot be saved.
void ShowReadOnlyFolderNotice(TForm1 &form, MessageBox &box, const QString &folder);
