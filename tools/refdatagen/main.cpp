// refdatagen: writes the reference data folder.
//   refdatagen --sample <source dir> <out dir>   the sample, from its readable source
//   refdatagen --bench <out dir>                 live-game volumes for load benchmarks
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

#include "refdatagen/BenchVolumes.h"
#include "refdatagen/SampleWriter.h"

namespace {

int Usage() {
  fprintf(stderr,
          "usage: refdatagen --sample <source dir> <out dir>\n"
          "       refdatagen --bench <out dir>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (argc == 4 && strcmp(argv[1], "--sample") == 0) {
    if (!WriteSample(argv[2], argv[3], error)) {
      fprintf(stderr, "refdatagen: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  if (argc == 3 && strcmp(argv[1], "--bench") == 0) {
    BenchTotals totals;
    if (!WriteBenchVolumes(argv[2], BenchScale(), totals, error)) {
      fprintf(stderr, "refdatagen: %s\n", error.c_str());
      return 1;
    }
    printf("%d files, %" PRIu64 " lines, %.1f MB\n", totals.files, totals.lines, totals.bytes / 1e6);
    return 0;
  }
  return Usage();
}
