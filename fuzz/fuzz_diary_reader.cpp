// Feeds arbitrary bytes to the diary reader and checks what it read against
// the input itself, three ways:
//  1. a plain scan of the input's lines, written apart from the reader, gives
//     the same records field by field: no record is dropped or shifted;
//  2. records built from the input and written by the program's writer, with
//     blank lines before them and lone CRs inside them, all read back as they
//     were written;
//  3. a rewrite keeps every record, and the program's own output reads back
//     to the same records and writes back to the same bytes.
// The reader must also never crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "codec/Ansi.h"
#include "diary/DateText.h"
#include "diary/DiaryFile.h"

namespace {

void Check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "diary reader broken: %s\n", what);
        std::abort();
    }
}

const QString &OrNull(const QString &field)
{
    return field.isEmpty() ? diary::NullText : field;
}

QString Text(std::string_view bytes)
{
    return codec::FromAnsi(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// 1. The plain scan -------------------------------------------------------------

struct ScannedLine {
    std::string text;
    bool closed;
};

// One byte at a time: a file with an LF ends lines there (a CR just before it
// belongs to the end); a file without one ends them at CR.
std::vector<ScannedLine> ScanLines(std::string_view bytes)
{
    const char end = bytes.find('\n') == std::string_view::npos ? '\r' : '\n';
    std::vector<ScannedLine> lines;
    std::string current;
    for (const char b : bytes) {
        if (b != end) {
            current += b;
            continue;
        }
        if (end == '\n' && !current.empty() && current.back() == '\r')
            current.pop_back();
        lines.push_back({current, true});
        current.clear();
    }
    if (!current.empty())
        lines.push_back({current, false});
    return lines;
}

bool IsBlankByte(char b)
{
    return b == ' ' || b == '\t';
}

bool IsBlankLine(const std::string &line)
{
    for (const char b : line)
        if (!IsBlankByte(b))
            return false;
    return true;
}

std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> words;
    std::string word;
    for (const char b : line + ' ') {
        if (!IsBlankByte(b)) {
            word += b;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

diary::DiaryRecord ExpectedRecord(const std::vector<ScannedLine> &lines, size_t first)
{
    const std::vector<std::string> words = Words(lines[first].text);
    diary::DiaryRecord record;
    record.date = Text(words.at(0));
    record.time = words.size() > 1 ? Text(words[1]) : QString();
    QString *fields[] = {&record.msg, &record.launch_file, &record.param_str};
    for (size_t i = 0; i < 3 && first + 1 + i < lines.size(); ++i)
        *fields[i] = Text(lines[first + 1 + i].text);
    const bool closed = first + 3 < lines.size() && lines[first + 3].closed;
    if (closed)
        record.reversdate = diary::SortKey(record.date, record.time);
    return record;
}

diary::UnvisibleList ScanRecords(std::string_view bytes)
{
    const std::vector<ScannedLine> lines = ScanLines(bytes);
    diary::UnvisibleList records;
    size_t i = 0;
    while (i < lines.size()) {
        if (IsBlankLine(lines[i].text)) {
            ++i;
            continue;
        }
        records.push_back(ExpectedRecord(lines, i));
        i += 4;
    }
    return records;
}

void CheckAgainstScan(const QByteArray &bytes, const diary::DiaryReadResult &read)
{
    const diary::UnvisibleList expected = ScanRecords(std::string_view(bytes.constData(), size_t(bytes.size())));
    Check(read.records.size() == expected.size(), "record count differs from the scan of the input");
    QStringList badDates;
    for (size_t i = 0; i < expected.size(); ++i) {
        Check(read.records[i] == expected[i], "record differs from the scan of the input");
        if (diary::SortKey(expected[i].date, expected[i].time).isEmpty())
            badDates << expected[i].date;
    }
    Check(read.badDates == badDates, "bad dates differ from the scan of the input");
    Check(read.diaryEmpty == expected.empty(), "diaryEmpty while the input holds records, or the reverse");
}

// 2. Records built from the input ---------------------------------------------------

// Takes the input as fields separated by LF, five to a record. Date and time
// lose their blanks and the date is never empty, as the writer's callers
// ensure; every other byte, lone CRs among them, stays.
diary::UnvisibleList RecordsFromInput(const QByteArray &bytes)
{
    QList<QByteArray> fields = bytes.split('\n');
    diary::UnvisibleList records;
    for (qsizetype i = 0; i + 5 <= fields.size(); i += 5) {
        QByteArray date = fields[i];
        QByteArray time = fields[i + 1];
        date.replace(' ', "").replace('\t', "");
        time.replace(' ', "").replace('\t', "");
        if (date.isEmpty())
            date = "?";
        diary::DiaryRecord record;
        record.date = codec::FromAnsi(date);
        record.time = codec::FromAnsi(time);
        record.msg = codec::FromAnsi(fields[i + 2]);
        record.launch_file = codec::FromAnsi(fields[i + 3]);
        record.param_str = codec::FromAnsi(fields[i + 4]);
        records.push_back(record);
    }
    return records;
}

// The records written one after another, each behind blank lines chosen by
// the first byte of its message.
QByteArray WriteWithBlankLines(const diary::UnvisibleList &records)
{
    static const char *const Blanks[] = {"", "\r\n", "\r\n\r\n", " \t\r\n", "\t\r\n\r\n"};
    QByteArray bytes;
    for (const diary::DiaryRecord &record : records) {
        const int choice = record.msg.isEmpty() ? 0 : record.msg.front().unicode() % 5;
        bytes += Blanks[choice];
        bytes += diary::FormatDiary({record});
    }
    return bytes;
}

void CheckBuiltRecordsAreKept(const QByteArray &input)
{
    const diary::UnvisibleList records = RecordsFromInput(input);
    const diary::DiaryReadResult read = diary::ParseDiary(WriteWithBlankLines(records));
    Check(read.records.size() == records.size(), "a written record was not read back");
    for (size_t i = 0; i < records.size(); ++i) {
        const diary::DiaryRecord &written = records[i];
        const diary::DiaryRecord &back = read.records[i];
        Check(back.date == written.date && back.time == OrNull(written.time) && back.msg == OrNull(written.msg) &&
                  back.launch_file == OrNull(written.launch_file) && back.param_str == OrNull(written.param_str),
              "a written record came back changed");
    }
}

// 3. The rewrite --------------------------------------------------------------------

// The writer puts "(null)" in every empty field; everything else comes back
// as it was.
void CheckRecordSurvives(const diary::DiaryRecord &first, const diary::DiaryRecord &second)
{
    Check(!first.date.isEmpty(), "a record without a date was read");
    Check(second.date == first.date, "date changed");
    Check(second.time == OrNull(first.time), "time changed");
    Check(second.msg == OrNull(first.msg), "msg changed");
    Check(second.launch_file == OrNull(first.launch_file), "launch_file changed");
    Check(second.param_str == OrNull(first.param_str), "param_str changed");
    // The writer closes every line 4, so a readable date always gets its key.
    Check(second.reversdate == diary::SortKey(second.date, second.time), "key of a rewritten record");
}

void CheckRewrite(const diary::DiaryReadResult &first)
{
    const QByteArray written = diary::FormatDiary(first.records);
    const diary::DiaryReadResult second = diary::ParseDiary(written);
    Check(second.records.size() == first.records.size(), "record count changed by a rewrite");
    Check(second.diaryEmpty == first.records.empty(), "diaryEmpty of the rewritten file");
    for (size_t i = 0; i < first.records.size(); ++i)
        CheckRecordSurvives(first.records[i], second.records[i]);
    Check(second.badDates == first.badDates, "bad dates changed");
    // Files the program wrote round-trip byte for byte.
    Check(diary::FormatDiary(second.records) == written, "second rewrite differs");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const diary::DiaryReadResult first = diary::ParseDiary(bytes);
    CheckAgainstScan(bytes, first);
    CheckBuiltRecordsAreKept(bytes);
    CheckRewrite(first);
    return 0;
}
