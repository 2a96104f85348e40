#include "phonebook/PhoneBookFile.h"

#include <utility>

#include "codec/Ansi.h"
#include "codec/Lines.h"

namespace phonebook {
namespace {

QString FieldFromLine(QStringView line)
{
    return line == NullText ? QString() : line.toString();
}

void AppendLine(QString &text, const QString &field)
{
    if (field.isEmpty()) {
        text += NullText;
    } else {
        const qsizetype start = text.size();
        text += field;
        for (qsizetype i = start; i < text.size(); ++i)
            if (text[i] == u'\n')
                text[i] = u' ';
    }
    text += u"\r\n";
}

} // namespace

PhoneBookReadResult ParsePhoneBook(const QByteArray &bytes)
{
    PhoneBookReadResult result;
    result.status = codec::ReadStatus::Read;
    const QString text = codec::FromAnsi(bytes);
    codec::LineWalker lines(text);
    // Each closed line fills the next field; a name line starts an entry.
    int field = 0;
    while (!lines.atEnd()) {
        const codec::Line line = lines.next();
        if (!line.closed) {
            result.cutOffLine = line.text.toString();
            break;
        }
        if (field == 0)
            result.entries.emplace_back();
        PhoneEntry &entry = result.entries.back();
        QString *const fields[] = {&entry.name, &entry.phones, &entry.address};
        *fields[field] = FieldFromLine(line.text);
        field = (field + 1) % 3;
    }
    return result;
}

QByteArray FormatPhoneBook(const PhoneBook &entries)
{
    qsizetype size = 0;
    for (const PhoneEntry &e : entries)
        size += e.name.size() + e.phones.size() + e.address.size() + 3 * (NullText.size() + 2);
    QString text;
    text.reserve(size);
    for (const PhoneEntry &e : entries) {
        AppendLine(text, e.name);
        AppendLine(text, e.phones);
        AppendLine(text, e.address);
    }
    return codec::ToAnsi(text);
}

PhoneBookReadResult ReadPhoneBookFile(const QString &path)
{
    codec::FileReadResult file = codec::ReadFileBytes(path, PhoneBookFileLimit);
    if (file.status != codec::ReadStatus::Read) {
        PhoneBookReadResult result;
        result.status = file.status;
        result.error = std::move(file.error);
        return result;
    }
    return ParsePhoneBook(file.bytes);
}

codec::FileError WritePhoneBookFile(const QString &path, const PhoneBook &entries)
{
    return codec::SaveFileBytes(path, FormatPhoneBook(entries));
}

} // namespace phonebook
