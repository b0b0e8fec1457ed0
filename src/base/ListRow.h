#pragma once
// One row of a report list as a page's session hands it over: the row's item data (in
// the colour lists its top byte is the row colour) and its cell texts from column 0 on.
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

struct ListRow {
  uint32_t itemData = 0;
  std::vector<std::string> cells;
};

// One row with item data 0 per record, its cells from cellsOf(record): any container
// of strings, a formatter's fixed array of cells for one.
template <class Record, class CellsOf>
std::vector<ListRow> ListRowsOf(const std::vector<Record>& records, CellsOf cellsOf) {
  std::vector<ListRow> rows;
  rows.reserve(records.size());
  for (const Record& record : records) {
    auto cells = cellsOf(record);
    rows.push_back(ListRow{0, std::vector<std::string>(std::make_move_iterator(cells.begin()),
                                                        std::make_move_iterator(cells.end()))});
  }
  return rows;
}
