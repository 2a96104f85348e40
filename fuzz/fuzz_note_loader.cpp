// Feeds arbitrary bytes to the note loader and checks what it loaded against
// the input itself:
//  1. a plain scan, written apart from the loader, gives the same text: every
//     CR LF, lone CR and lone LF is one line end, every other byte one character;
//  2. nothing of the input is lost: the save gives back the input byte for
//     byte, each line end written as CR LF and nothing added at the end;
//  3. the saved bytes load to the same text and save to the same bytes, and a
//     text built from the input (CRs and LFs anywhere) saves and loads back
//     with its line ends as the text box keeps them.
// The loader must also never crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "codec/Ansi.h"
#include "notepad/NoteFile.h"

namespace {

void Check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "note loader broken: %s\n", what);
        std::abort();
    }
}

// The input with every line end, CR LF, CR or LF, replaced by `lineEnd`.
std::string WithLineEnds(std::string_view bytes, std::string_view lineEnd)
{
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            out += lineEnd;
        else
            out += bytes[i];
    }
    return out;
}

QByteArray Bytes(const std::string &s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::string_view view(bytes.constData(), size_t(bytes.size()));

    const QString text = notepad::NoteTextFromBytes(bytes);
    Check(text == codec::FromAnsi(Bytes(WithLineEnds(view, "\n"))), "text differs from the scan of the input");

    const QByteArray saved = notepad::NoteBytesFromText(text);
    Check(saved == Bytes(WithLineEnds(view, "\r\n")), "the save lost or changed a byte of the input");
    Check(notepad::NoteTextFromBytes(saved) == text, "saved bytes load to another text");
    Check(notepad::NoteBytesFromText(notepad::NoteTextFromBytes(saved)) == saved, "second save differs");

    // The input taken as a text box's text, CRs and LFs where they fall.
    const QString typed = codec::FromAnsi(bytes);
    Check(notepad::NoteTextFromBytes(notepad::NoteBytesFromText(typed)) == text,
          "a text with any line ends does not load back as the text box keeps it");
    return 0;
}
