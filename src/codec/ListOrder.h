#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include <QStringView>

// The order of the program's lists (the records and the phone book): cells
// compare by their Windows-1251 code values, character by character, with
// a-z taken as A-Z; a text that is a prefix of the other comes first; empty
// cells sort after every text when ascending and before it when descending.
namespace codec {

// The code value a character is compared by: its Windows-1251 byte, a-z
// folded to A-Z. A character the code page lacks compares as '?', which is
// what the files would store for it.
unsigned char OrderCode(QChar c);

// Negative, zero or positive, as for strcmp. Empty cells are not special here.
int CompareCells(QStringView a, QStringView b);

// The positions of `cells` in list order, stable: equal cells keep their order.
std::vector<std::size_t> SortedPositions(const std::vector<QStringView> &cells, bool ascending);

// Sorts rows in list order by the cell `cellOf(row)` gives.
template <typename Row, typename CellOf> void SortByCell(std::vector<Row> &rows, CellOf cellOf, bool ascending)
{
    std::vector<QStringView> cells;
    cells.reserve(rows.size());
    for (const Row &row : rows)
        cells.push_back(cellOf(row));
    const std::vector<std::size_t> positions = SortedPositions(cells, ascending);
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (std::size_t position : positions)
        sorted.push_back(std::move(rows[position]));
    rows.swap(sorted);
}

// A list remembers the last column it sorted ascending: the same command
// again sorts descending and forgets it.
class SortMemory {
public:
    // Returns true for ascending, and updates the memory.
    bool nextDirection(int column);
    int rememberedColumn() const { return m_column; }

private:
    int m_column = -1;
};

} // namespace codec
