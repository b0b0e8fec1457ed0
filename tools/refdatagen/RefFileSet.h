#pragma once
// The thirteen files of the reference data folder, in the order the loader reads them.
// A list file names record files of its kind, one per line.
#include <vector>

#include "refdatagen/RefLayout.h"

struct RefFile {
  const char* name;
  RefKind kind;
  bool isList;
};

const std::vector<RefFile>& RefFileSet();
