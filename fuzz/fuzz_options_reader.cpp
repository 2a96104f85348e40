// Feeds arbitrary bytes to the options line reader and checks what it read
// against the input itself:
//  1. a plain scan of the input, written apart from the reader, gives the same
//     line: the file's last line, filled to five from the default;
//  2. nothing the page understands is lost: applied to the page and saved
//     again, every position holding a character its controls know comes back
//     unchanged, every other position takes the layout's character, and the
//     result is five characters of the program's own;
//  3. that saved line reads back to itself and to the same page (with Russian
//     selected where no language was).
// The reader must also never crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "codec/Ansi.h"
#include "settings/OptionString.h"

namespace {

void Check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "options reader broken: %s\n", what);
        std::abort();
    }
}

// One byte at a time: every line end empties the line. A file with an LF ends
// lines there (a CR just before it belongs to the end); one without ends them at CR.
QString ScanLastLine(std::string_view bytes)
{
    const char end = bytes.find('\n') == std::string_view::npos ? '\r' : '\n';
    std::string line;
    for (const char b : bytes) {
        if (b == end)
            line.clear();
        else
            line += b;
    }
    // The CR of a CR LF only ever precedes an end, which cleared it; a CR
    // left at the end of the last line is an ordinary character.
    QString options = codec::FromAnsi(QByteArrayView(line.data(), qsizetype(line.size())));
    for (qsizetype i = options.size(); i < settings::DefaultOptionString.size(); ++i)
        options += settings::DefaultOptionString[i];
    return options;
}

// The characters each position's controls know, and what the layout's page
// writes at a position that held none of them.
struct Position {
    const char16_t *known;
    QChar layout;
};
const Position Positions[5] = {{u"012", u'1'}, {u"01", u'0'}, {u"01", u'1'}, {u"01", u'0'}, {u"01", u'0'}};

void CheckSaveKeepsWhatThePageKnows(const QString &options)
{
    const settings::OptionsState page = settings::OptionsStateFromString(options);
    const QString saved = settings::FormatOptionString(page);
    Check(saved.size() == 5, "a save writes other than five characters");
    for (int p = 0; p < 5; ++p) {
        const QString known = QString::fromUtf16(Positions[p].known);
        Check(known.contains(saved[p]), "a save wrote a character the page does not know");
        const QChar read = options[p];
        Check(saved[p] == (known.contains(read) ? read : Positions[p].layout),
              "a position the page knows changed, or an unknown one did not take the layout's");
    }
    Check(settings::ParseOptionString(codec::ToAnsi(saved)) == saved, "a saved line does not read back");
    // A page without a language selected saves Russian, which the next start selects.
    settings::OptionsState next = page;
    if (next.languageButton < 0)
        next.languageButton = 0;
    Check(settings::OptionsStateFromString(saved) == next, "a saved line gives another page at the next start");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString options = settings::ParseOptionString(bytes);
    Check(options == ScanLastLine(std::string_view(bytes.constData(), size_t(bytes.size()))),
          "line differs from the scan of the input");
    CheckSaveKeepsWhatThePageKnows(options);
    return 0;
}
