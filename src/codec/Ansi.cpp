#include "codec/Ansi.h"

#include <array>
#include <cstdint>

namespace codec {
namespace {

// The upper half of Windows-1251, byte 0x80 + i at index i. The lower half is
// ASCII. 0x98 has no character in the code page; like Qt's converter we read
// it as U+0098, so every byte reads and writes back unchanged.
constexpr std::array<char16_t, 128> UpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

constexpr int NoByte = -1;

// The whole code page both ways: a 256-entry decode table, and for encoding
// one 256-entry block per Unicode page the code page touches (00, 04, 20, 21),
// found through a page index, so a character costs two lookups.
class CodePage {
public:
    CodePage()
    {
        for (int b = 0; b < 256; ++b) {
            const char16_t c = b < 0x80 ? char16_t(b) : UpperHalf[b - 0x80];
            m_toUnicode[b] = c;
            block(c >> 8)[c & 0xFF] = std::int16_t(b);
        }
    }

    char16_t toUnicode(unsigned char b) const { return m_toUnicode[b]; }

    int toByte(char16_t c) const
    {
        const std::uint8_t index = m_blockOfPage[c >> 8];
        return index == 0 ? NoByte : m_blocks[index - 1][c & 0xFF];
    }

private:
    using Block = std::array<std::int16_t, 256>;
    static constexpr int MaxBlocks = 4;

    Block &block(int page)
    {
        if (m_blockOfPage[page] == 0) {
            Q_ASSERT(m_blockCount < MaxBlocks);
            m_blocks[m_blockCount].fill(NoByte);
            m_blockOfPage[page] = std::uint8_t(++m_blockCount);
        }
        return m_blocks[m_blockOfPage[page] - 1];
    }

    std::array<char16_t, 256> m_toUnicode{};
    std::array<std::uint8_t, 256> m_blockOfPage{}; // 0: no character of that page is in the code page
    std::array<Block, MaxBlocks> m_blocks{};
    int m_blockCount = 0;
};

const CodePage &Cp1251()
{
    static const CodePage page;
    return page;
}

} // namespace

QString FromAnsi(QByteArrayView bytes)
{
    const CodePage &page = Cp1251();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = page.toUnicode(in[i]);
    return text;
}

QByteArray ToAnsi(QStringView text)
{
    const CodePage &page = Cp1251();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one mark
        const int b = page.toByte(c.unicode());
        bytes[length++] = char(b == NoByte ? '?' : b);
    }
    bytes.truncate(length);
    return bytes;
}

bool IsAnsiRepresentable(QChar c)
{
    return Cp1251().toByte(c.unicode()) != NoByte;
}

QString KeepAnsiOnly(QStringView text)
{
    return FromAnsi(ToAnsi(text));
}

} // namespace codec
