// Feeds arbitrary bytes to the diary reader, writes what it read and reads
// that again. The reader must never crash, and a rewrite must keep every
// record: the program's own output reads back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "diary/DateText.h"
#include "diary/DiaryFile.h"

namespace {

void Check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "diary round trip broken: %s\n", what);
        std::abort();
    }
}

const QString &OrNull(const QString &field)
{
    return field.isEmpty() ? diary::NullText : field;
}

// The writer puts "(null)" in every empty field; everything else comes back
// as it was. A date is never empty and never holds a blank or a line end,
// because the reader stops a word there, so it comes back unchanged.
void CheckRecordSurvives(const diary::DiaryRecord &first, const diary::DiaryRecord &second)
{
    Check(!first.date.isEmpty(), "a record without a date was read");
    Check(second.date == first.date, "date changed");
    Check(second.time == OrNull(first.time), "time changed");
    Check(second.msg == OrNull(first.msg), "msg changed");
    Check(second.launch_file == OrNull(first.launch_file), "launch_file changed");
    Check(second.param_str == OrNull(first.param_str), "param_str changed");
    // The writer closes every line 4, so a readable date always gets its key.
    const QString key = diary::ReversDateStr(second.date);
    Check(second.reversdate == (key.isEmpty() ? QString() : key + second.time), "key of a rewritten record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const diary::DiaryReadResult first = diary::ParseDiary(bytes);
    const QByteArray written = diary::FormatDiary(first.records);
    const diary::DiaryReadResult second = diary::ParseDiary(written);

    Check(second.records.size() == first.records.size(), "record count changed");
    Check(second.diaryEmpty == first.records.empty(), "diaryEmpty of the rewritten file");
    Check(!first.diaryEmpty || first.records.empty(), "records read from an empty diary");
    for (size_t i = 0; i < first.records.size(); ++i)
        CheckRecordSurvives(first.records[i], second.records[i]);
    Check(second.badDates == first.badDates, "bad dates changed");
    // Files the program wrote round-trip byte for byte.
    Check(diary::FormatDiary(second.records) == written, "second rewrite differs");
    return 0;
}
