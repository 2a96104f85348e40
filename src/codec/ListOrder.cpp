#include "codec/ListOrder.h"

#include <string>

#include "codec/Ansi.h"

namespace codec {
namespace {

// Every UTF-16 unit's order code, built once from the code page itself.
struct OrderTable {
    std::vector<unsigned char> codes = std::vector<unsigned char>(0x10000, '?');

    OrderTable()
    {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString characters = FromAnsi(all);
        // From the top down, so a character two bytes decode to takes the lower byte.
        for (int i = 255; i >= 0; --i)
            codes[characters.at(i).unicode()] = static_cast<unsigned char>(i);
        for (char16_t c = u'a'; c <= u'z'; ++c)
            codes[c] = static_cast<unsigned char>(c - u'a' + 'A');
    }
};

const OrderTable &Table()
{
    static const OrderTable table;
    return table;
}

} // namespace

unsigned char OrderCode(QChar c)
{
    return Table().codes[c.unicode()];
}

int CompareCells(QStringView a, QStringView b)
{
    const std::vector<unsigned char> &codes = Table().codes;
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const unsigned char ca = codes[a[i].unicode()];
        const unsigned char cb = codes[b[i].unicode()];
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<std::size_t> SortedPositions(const std::vector<QStringView> &cells, bool ascending)
{
    // The cells are turned into order codes once, into one buffer, and the
    // sort moves small entries over it: on 100,000 rows, reading cells
    // scattered over the heap for every comparison costs several times more
    // than the sort itself. Comparing the codes bytewise is CompareCells.
    struct Entry {
        std::size_t offset;
        std::size_t size;
        std::size_t position;
    };
    const std::vector<unsigned char> &codes = Table().codes;
    std::string folded; // compared as unsigned bytes, as char_traits<char> does
    std::vector<Entry> order;
    order.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QStringView cell = cells[i];
        order.push_back({folded.size(), std::size_t(cell.size()), i});
        for (QChar c : cell)
            folded.push_back(char(codes[c.unicode()]));
    }

    // Empty cells sit at the far end ascending and at the front descending,
    // which is where they would be if they held the largest text of all.
    const auto codesOf = [&folded](const Entry &e) { return std::string_view(folded.data() + e.offset, e.size); };
    std::stable_sort(order.begin(), order.end(), [&codesOf, ascending](const Entry &x, const Entry &y) {
        if (x.size == 0 || y.size == 0)
            return ascending ? (x.size != 0 && y.size == 0) : (x.size == 0 && y.size != 0);
        const int result = codesOf(x).compare(codesOf(y));
        return ascending ? result < 0 : result > 0;
    });

    std::vector<std::size_t> positions;
    positions.reserve(order.size());
    for (const Entry &entry : order)
        positions.push_back(entry.position);
    return positions;
}

bool SortMemory::nextDirection(int column)
{
    if (column == m_column) {
        m_column = -1;
        return false;
    }
    m_column = column;
    return true;
}

} // namespace codec
