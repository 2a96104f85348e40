#pragma once

#include <QString>

#include "codec/FileIO.h"
#include "i18n/Texts.h"

// What the error boxes say about the files, in both languages.
namespace i18n {

// The kind of the failure in words, then the system's own text in parentheses
// where it gave one that says something else: "No space left on the disk (No
// space left on device)". Empty for no failure.
QString FileErrorText(Language language, const codec::FileError &error);

// "Cannot read file "<path>": <FileErrorText>".
QString ReadFailedMessage(Language language, const QString &filePath, const codec::FileError &error);

// "Cannot write file "<path>": <FileErrorText>"; the same wording as the
// WriteFailedMessage of Texts.h, which takes the reason as text.
QString WriteFailedMessage(Language language, const QString &filePath, const codec::FileError &error);

// Said by every operation that would write a file whose last read failed.
QString NotChangedAfterFailedReadMessage(Language language, const QString &filePath);

} // namespace i18n
