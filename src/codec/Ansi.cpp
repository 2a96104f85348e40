#include "codec/Ansi.h"

#include <array>
#include <vector>

#include <QStringDecoder>
#include <QStringEncoder>

namespace codec {
namespace {

// Built once: the 256 characters of the code page, and a reverse lookup for
// the 128 upper ones. ICU gives the table; afterwards no converter is needed.
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    std::vector<short> fromUnicode = std::vector<short>(0x10000, -1);

    CodePage()
    {
        QStringDecoder decoder("windows-1251");
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString text = decoder.isValid() ? decoder(all) : QString();
        for (int i = 0; i < 256; ++i)
            toUnicode[i] = (text.size() == 256) ? text.at(i).unicode() : (i < 128 ? char16_t(i) : u'?');
        for (int i = 255; i >= 0; --i)
            fromUnicode[toUnicode[i]] = short(i);
    }

    int toByte(char16_t c) const { return fromUnicode[c]; }
};

const CodePage &cp1251()
{
    static const CodePage page;
    return page;
}

} // namespace

QString FromAnsi(QByteArrayView bytes)
{
    const CodePage &page = cp1251();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(page.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return text;
}

QByteArray ToAnsi(QStringView text)
{
    const CodePage &page = cp1251();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one mark
        const int b = page.toByte(c.unicode());
        bytes[length++] = char(b < 0 ? '?' : b);
    }
    bytes.truncate(length);
    return bytes;
}

bool IsAnsiRepresentable(QChar c)
{
    return cp1251().toByte(c.unicode()) >= 0;
}

QString KeepAnsiOnly(QStringView text)
{
    return FromAnsi(ToAnsi(text));
}

} // namespace codec
