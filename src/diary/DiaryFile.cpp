#include "diary/DiaryFile.h"

#include <utility>

#include "codec/Ansi.h"
#include "codec/Lines.h"
#include "diary/DateText.h"

namespace diary {
namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsBlankLine(QStringView line)
{
    for (const QChar c : line)
        if (!IsBlank(c))
            return false;
    return true;
}

// Skips blanks from `pos`, then takes the characters up to the next blank.
QStringView NextWord(QStringView line, qsizetype &pos)
{
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    const qsizetype start = pos;
    while (pos < line.size() && !IsBlank(line[pos]))
        ++pos;
    return line.mid(start, pos - start);
}

// The date is the first word of line 1 and the time the next; whatever
// follows them is not part of any field. Then three whole lines. The key
// needs line 4 to be complete: a record cut short by the end of the file
// keeps an empty key.
DiaryRecord ReadRecord(QStringView firstLine, codec::LineWalker &lines, QStringList &badDates)
{
    DiaryRecord record;
    qsizetype pos = 0;
    record.date = NextWord(firstLine, pos).toString();
    record.time = NextWord(firstLine, pos).toString();
    bool closed = false;
    for (QString *field : {&record.msg, &record.launch_file, &record.param_str}) {
        if (lines.atEnd()) {
            closed = false;
            break;
        }
        const codec::Line line = lines.next();
        *field = line.text.toString();
        closed = line.closed;
    }

    // A bad date is listed but does not stop the read, so a later rewrite
    // still holds every record of the file.
    QString key = SortKey(record.date, record.time);
    if (key.isEmpty())
        badDates.append(record.date);
    else if (closed)
        record.reversdate = std::move(key);
    return record;
}

const QString &OrNull(const QString &field)
{
    return field.isEmpty() ? NullText : field;
}

} // namespace

DiaryReadResult ParseDiary(const QByteArray &bytes)
{
    DiaryReadResult result;
    result.status = codec::ReadStatus::Read;
    const QString text = codec::FromAnsi(bytes);
    codec::LineWalker lines(text);
    // Blank lines before a record are skipped, at the start of the file as
    // between records; after the last record they make no record.
    while (!lines.atEnd()) {
        const codec::Line line = lines.next();
        if (!IsBlankLine(line.text))
            result.records.push_back(ReadRecord(line.text, lines, result.badDates));
    }
    result.diaryEmpty = result.records.empty();
    return result;
}

QByteArray FormatDiary(const UnvisibleList &records)
{
    qsizetype size = 0;
    for (const DiaryRecord &r : records)
        size += OrNull(r.date).size() + OrNull(r.time).size() + OrNull(r.msg).size() + OrNull(r.launch_file).size() +
                OrNull(r.param_str).size() + 9;

    QString text;
    text.reserve(size);
    for (const DiaryRecord &r : records) {
        text += OrNull(r.date);
        text += u' ';
        text += OrNull(r.time);
        text += u"\r\n";
        text += OrNull(r.msg);
        text += u"\r\n";
        text += OrNull(r.launch_file);
        text += u"\r\n";
        text += OrNull(r.param_str);
        text += u"\r\n";
    }
    return codec::ToAnsi(text);
}

DiaryReadResult ReadDiaryFile(const QString &path)
{
    codec::FileReadResult file = codec::ReadFileBytes(path, DiaryFileLimit);
    if (file.status != codec::ReadStatus::Read) {
        DiaryReadResult result;
        result.status = file.status;
        result.error = std::move(file.error);
        return result;
    }
    return ParseDiary(file.bytes);
}

codec::FileError WriteDiaryFile(const QString &path, const UnvisibleList &records)
{
    return codec::SaveFileBytes(path, FormatDiary(records));
}

} // namespace diary
