#include "refdatagen/SourceReader.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

struct SourceLine {
  int number;
  std::string text;
};

bool ReadSourceLines(const std::string& path, std::vector<SourceLine>& lines, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot be read";
    return false;
  }
  std::string text;
  int number = 0;
  while (std::getline(in, text)) {
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty() || text[0] == '#') continue;
    lines.push_back({number, text});
  }
  return true;
}

std::vector<std::string> SplitTabs(const std::string& text) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (;;) {
    size_t tab = text.find('\t', start);
    cells.push_back(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return cells;
    start = tab + 1;
  }
}

bool IsInteger(const std::string& s) {
  size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

bool IsNumber(const std::string& s) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  strtod(s.c_str(), &end);
  return errno == 0 && *end == '\0';
}

std::string At(const std::string& path, int line) {
  std::ostringstream where;
  where << path << ':' << line << ": ";
  return where.str();
}

}  // namespace

bool ReadSourceTable(const std::string& path, const RefLayout& layout, SourceTable& table,
                     std::string& error) {
  std::vector<SourceLine> lines;
  if (!ReadSourceLines(path, lines, error)) return false;
  if (lines.empty()) {
    error = path + ": no header line";
    return false;
  }
  const int columnCount = static_cast<int>(layout.types.size());
  std::vector<int> columns;
  std::vector<bool> named(layout.types.size(), false);
  for (const std::string& cell : SplitTabs(lines[0].text)) {
    char* end = nullptr;
    long column = strtol(cell.c_str(), &end, 10);
    if (end == cell.c_str() || (*end != '\0' && *end != ':') || column < 0 || column >= columnCount ||
        named[static_cast<size_t>(column)]) {
      error = At(path, lines[0].number) + "header cell \"" + cell + "\" names no free column of " +
              layout.name;
      return false;
    }
    named[static_cast<size_t>(column)] = true;
    columns.push_back(static_cast<int>(column));
  }
  for (size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> cells = SplitTabs(lines[i].text);
    if (cells.size() != columns.size()) {
      std::ostringstream why;
      why << At(path, lines[i].number) << cells.size() << " cells where the header names "
          << columns.size();
      error = why.str();
      return false;
    }
    SourceTable::Row row{lines[i].number, layout.defaults};
    for (size_t k = 0; k < cells.size(); ++k) {
      const size_t column = static_cast<size_t>(columns[k]);
      const ColumnType type = layout.types[column];
      if ((type == ColumnType::kInt && !IsInteger(cells[k])) ||
          (type == ColumnType::kFloat && !IsNumber(cells[k]))) {
        error = At(path, lines[i].number) + "column " + std::to_string(column) + " needs a number, not \"" +
                cells[k] + "\"";
        return false;
      }
      row.cells[column] = cells[k];
    }
    table.rows.push_back(std::move(row));
  }
  return true;
}

bool ReadSourceList(const std::string& path, std::vector<std::string>& names, std::string& error) {
  std::vector<SourceLine> lines;
  if (!ReadSourceLines(path, lines, error)) return false;
  for (const SourceLine& line : lines) names.push_back(line.text);
  if (names.empty()) {
    error = path + ": names no file";
    return false;
  }
  return true;
}
