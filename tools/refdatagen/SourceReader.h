#pragma once
// The readable source of the sample reference data (data/refdata): UTF-8 text files
// where '#' starts a comment line and blank lines are ignored.
//
// A table (.tsv) opens with a header line naming, per TAB-separated cell, the record
// column the cell fills: "N" or "N:label" (label only for the reader). Every later line
// is one record with exactly as many cells; columns it does not name get the layout's
// default value. A list (.list) names one record file per line.
#include <string>
#include <vector>

#include "refdatagen/RefLayout.h"

struct SourceTable {
  struct Row {
    int line;
    std::vector<std::string> cells;  // every column of the record, defaults filled in
  };
  std::vector<Row> rows;
};

// False with "path:line: reason" in error when the file cannot be read, the header names a
// column the layout lacks (or one twice), a line has the wrong number of cells, or a
// number column holds something else than a number.
bool ReadSourceTable(const std::string& path, const RefLayout& layout, SourceTable& table,
                     std::string& error);

bool ReadSourceList(const std::string& path, std::vector<std::string>& names, std::string& error);
