#include "diary/DiaryFile.h"

#include <utility>

#include <QFile>

#include "codec/Ansi.h"
#include "codec/SaveFile.h"
#include "diary/DateText.h"

namespace diary {
namespace {

bool IsLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Walks the decoded file. Words and lines are taken whole whatever their
// length, and every step checks the end, so no input can run it off the text.
class DiaryReader {
public:
    explicit DiaryReader(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    // Blank lines, and blanks at the start of line 1, come before a record.
    void skipToRecord()
    {
        while (!atEnd() && (IsLineEnd(peek()) || IsBlank(peek())))
            ++m_pos;
    }

    // Skips blanks, then takes the characters up to the next blank or line end.
    QString readWord()
    {
        while (!atEnd() && IsBlank(peek()))
            ++m_pos;
        const qsizetype start = m_pos;
        while (!atEnd() && !IsBlank(peek()) && !IsLineEnd(peek()))
            ++m_pos;
        return m_text.mid(start, m_pos - start).toString();
    }

    // Takes the rest of the line; true when a line end closed it.
    QString readLine(bool *closed)
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !IsLineEnd(peek()))
            ++m_pos;
        const QString line = m_text.mid(start, m_pos - start).toString();
        *closed = takeLineEnd();
        return line;
    }

    // Whatever follows the time on line 1 is not part of any field.
    void skipRestOfLine()
    {
        while (!atEnd() && !IsLineEnd(peek()))
            ++m_pos;
        takeLineEnd();
    }

private:
    QChar peek() const { return m_text[m_pos]; }

    // CR LF, a lone CR and a lone LF each end one line.
    bool takeLineEnd()
    {
        if (atEnd())
            return false;
        if (peek() == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
        return true;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// The date is the first word of the record and the time the next word on its
// line; then three whole lines. The key needs line 4 to be complete: a record
// cut short by the end of the file keeps an empty key.
DiaryRecord ReadRecord(DiaryReader &reader, QStringList &badDates)
{
    DiaryRecord record;
    record.date = reader.readWord();
    record.time = reader.readWord();
    reader.skipRestOfLine();
    bool closed = false;
    record.msg = reader.readLine(&closed);
    record.launch_file = reader.readLine(&closed);
    record.param_str = reader.readLine(&closed);

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
    const QString text = codec::FromAnsi(bytes);
    result.diaryEmpty = text.isEmpty() || IsLineEnd(text.front());
    if (result.diaryEmpty)
        return result;

    DiaryReader reader(text);
    // Trailing blank lines end the loop here, so they never make a record.
    for (reader.skipToRecord(); !reader.atEnd(); reader.skipToRecord())
        result.records.push_back(ReadRecord(reader, result.badDates));
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseDiary(file.readAll());
}

QString WriteDiaryFile(const QString &path, const UnvisibleList &records)
{
    return codec::SaveFileBytes(path, FormatDiary(records));
}

} // namespace diary
