#include <cstdio>
#include <filesystem>
#include <system_error>

#include "BenchArgs.h"
#include "refdatagen/BenchVolumes.h"

namespace fs = std::filesystem;

bool EnterBenchVolumes(const std::string& dir, const char* name) {
  const fs::path folder(dir);
  if (!fs::exists(folder / "KV_GameRefData" / "ItemData.txt")) {
    printf("generating benchmark volumes in %s\n", dir.c_str());
    BenchTotals totals;
    std::string error;
    if (!WriteBenchVolumes((folder / "KV_GameRefData").string(), BenchScale(), totals, error)) {
      fprintf(stderr, "%s: %s\n", name, error.c_str());
      return false;
    }
  }
  std::error_code ec;
  fs::current_path(folder, ec);
  if (ec) {
    fprintf(stderr, "%s: %s: %s\n", name, dir.c_str(), ec.message().c_str());
    return false;
  }
  return true;
}
