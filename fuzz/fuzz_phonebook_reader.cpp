// Feeds arbitrary bytes to the phone book reader and checks what it read
// against the input itself:
//  1. a plain scan of the input's lines, written apart from the reader, gives
//     the same entries field by field and the same cut-off last line;
//  2. nothing of the input is lost: the rewrite holds every closed line of the
//     input at its place (an empty one as "(null)", an entry cut short made
//     whole with "(null)"), and the cut-off line is the input's unclosed tail;
//  3. entries built from the input, lone CRs and line feeds inside them, read
//     back as they were written, and the program's own output reads back to
//     the same entries and writes back to the same bytes;
//  4. the text a mask edit shows holds the typed digits and blanks in order.
// The reader must also never crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <QList>

#include "codec/Ansi.h"
#include "phonebook/PhoneBookFile.h"
#include "phonebook/PhoneFields.h"

namespace {

void Check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "phone book reader broken: %s\n", what);
        std::abort();
    }
}

QString Text(std::string_view bytes)
{
    return codec::FromAnsi(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// 1. The plain scan -------------------------------------------------------------

struct Scan {
    std::vector<std::string> closedLines;
    std::string tail; // the last line when no line end follows it
};

// One byte at a time: a file with an LF ends lines there (a CR just before it
// belongs to the end); a file without one ends them at CR.
Scan ScanLines(std::string_view bytes)
{
    const char end = bytes.find('\n') == std::string_view::npos ? '\r' : '\n';
    Scan scan;
    std::string current;
    for (const char b : bytes) {
        if (b != end) {
            current += b;
            continue;
        }
        if (end == '\n' && !current.empty() && current.back() == '\r')
            current.pop_back();
        scan.closedLines.push_back(current);
        current.clear();
    }
    scan.tail = current;
    return scan;
}

QString FieldOf(const std::string &line)
{
    return line == "(null)" ? QString() : Text(line);
}

phonebook::PhoneBook ExpectedEntries(const Scan &scan)
{
    phonebook::PhoneBook entries;
    for (size_t i = 0; i < scan.closedLines.size(); i += 3) {
        phonebook::PhoneEntry entry;
        entry.name = FieldOf(scan.closedLines[i]);
        if (i + 1 < scan.closedLines.size())
            entry.phones = FieldOf(scan.closedLines[i + 1]);
        if (i + 2 < scan.closedLines.size())
            entry.address = FieldOf(scan.closedLines[i + 2]);
        entries.push_back(entry);
    }
    return entries;
}

void CheckAgainstScan(const Scan &scan, const phonebook::PhoneBookReadResult &read)
{
    Check(read.status == codec::ReadStatus::Read, "parse did not say Read");
    const phonebook::PhoneBook expected = ExpectedEntries(scan);
    Check(read.entries.size() == expected.size(), "entry count differs from the scan of the input");
    for (size_t i = 0; i < expected.size(); ++i)
        Check(read.entries[i] == expected[i], "entry differs from the scan of the input");
    Check(read.cutOffLine == Text(scan.tail), "cut-off line differs from the input's unclosed tail");
}

// 2. Nothing lost ---------------------------------------------------------------------

// The input as the rewrite must give it back: every closed line at its place
// with CR LF, an empty one as "(null)", and the last entry filled to three lines.
QByteArray ExpectedRewrite(const Scan &scan)
{
    QByteArray bytes;
    size_t lines = 0;
    for (const std::string &line : scan.closedLines) {
        bytes += line.empty() ? QByteArray("(null)") : QByteArray(line.data(), qsizetype(line.size()));
        bytes += "\r\n";
        ++lines;
    }
    for (; lines % 3 != 0; ++lines)
        bytes += "(null)\r\n";
    return bytes;
}

// 3. Entries built from the input and the rewrite -----------------------------------------

// Takes the input as fields separated by NUL bytes, three to an entry, so a
// field may hold CRs and LFs.
phonebook::PhoneBook EntriesFromInput(const QByteArray &bytes)
{
    const QList<QByteArray> fields = bytes.split('\0');
    phonebook::PhoneBook entries;
    for (qsizetype i = 0; i + 3 <= fields.size(); i += 3)
        entries.push_back({codec::FromAnsi(fields[i]), codec::FromAnsi(fields[i + 1]), codec::FromAnsi(fields[i + 2])});
    return entries;
}

// A line feed becomes a blank; a field that is then "(null)" comes back empty.
QString AsReadBack(QString field)
{
    field.replace(u'\n', u' ');
    return field == phonebook::NullText ? QString() : field;
}

void CheckBuiltEntriesAreKept(const QByteArray &input)
{
    const phonebook::PhoneBook entries = EntriesFromInput(input);
    const phonebook::PhoneBookReadResult read = phonebook::ParsePhoneBook(phonebook::FormatPhoneBook(entries));
    Check(read.entries.size() == entries.size(), "a written entry was not read back");
    Check(read.cutOffLine.isEmpty(), "the writer left a line without its line end");
    for (size_t i = 0; i < entries.size(); ++i) {
        const phonebook::PhoneEntry &written = entries[i];
        const phonebook::PhoneEntry &back = read.entries[i];
        Check(back.name == AsReadBack(written.name) && back.phones == AsReadBack(written.phones) &&
                  back.address == AsReadBack(written.address),
              "a written entry came back changed");
    }
}

void CheckRewrite(const phonebook::PhoneBookReadResult &first, const QByteArray &expected)
{
    const QByteArray written = phonebook::FormatPhoneBook(first.entries);
    Check(written == expected, "the rewrite lost or changed a line of the input");
    const phonebook::PhoneBookReadResult second = phonebook::ParsePhoneBook(written);
    Check(second.entries == first.entries, "entries changed by a rewrite");
    Check(second.cutOffLine.isEmpty(), "a rewritten file has a line without its line end");
    Check(phonebook::FormatPhoneBook(second.entries) == written, "second rewrite differs");
}

// 4. The mask edit ---------------------------------------------------------------------

void CheckMaskText(const QByteArray &input)
{
    const QString typed = codec::FromAnsi(input);
    for (const QString &mask : {phonebook::HomeMask, phonebook::MobileMask}) {
        const QString shown = phonebook::MaskTextForTyped(mask, typed);
        Check(shown.size() == mask.size(), "mask text of another length than its mask");
        qsizetype next = 0;
        for (qsizetype i = 0; i < mask.size(); ++i) {
            if (mask[i] != phonebook::MaskPlace) {
                Check(shown[i] == mask[i], "a fixed character of the mask moved");
                continue;
            }
            while (next < typed.size() && !(typed[next].isDigit() && typed[next].unicode() < 128) &&
                   typed[next] != u' ')
                ++next;
            const QChar want = next < typed.size() ? typed[next++] : phonebook::UnfilledPlace;
            Check(shown[i] == want, "a place does not show the next typed digit or blank");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Scan scan = ScanLines(std::string_view(bytes.constData(), size_t(bytes.size())));
    const phonebook::PhoneBookReadResult first = phonebook::ParsePhoneBook(bytes);
    CheckAgainstScan(scan, first);
    CheckRewrite(first, ExpectedRewrite(scan));
    CheckBuiltEntriesAreKept(bytes);
    CheckMaskText(bytes);
    return 0;
}
