// Load time of the reference data at live-game volume, against the floor any loader
// pays: reading every file the load reads and converting it from UTF-16, nothing else.
// Two floors: each file read whole and converted in one piece, and the loader's own
// read and conversion (a slice at a time into the window it parses); the headline ratio
// is against the cheaper, and both are shown. The plain read is timed too, so that a
// slower conversion cannot flatter the ratio.
// Best of several runs of each, interleaved so that all see the same cache state; the
// processor time the process spent is shown beside, steadier on a machine others load.
// Memory: the bytes each kind holds beside the content it keeps (number fields, and
// texts with their terminators).
//   bench_refdata_load [--dir <folder holding KV_GameRefData>] [--runs N]
// The volumes are generated into the folder first when it has none.
#include <time.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/LogOutput.h"
#include "refdata/KV_GameRefData.h"
#include "BenchArgs.h"
#include "RefInputs.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> g_Messages;

void KV_CDECL CollectMessage(uint32_t classWord, const char* text) {
  g_Messages.push_back(text);
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double ProcessorSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Wall and processor time since it was made.
struct Stopwatch {
  Clock::time_point wall = Clock::now();
  double processor = ProcessorSeconds();
};

struct Best {
  double wall = 1e30, processor = 1e30;
  void Take(const Stopwatch& since) {
    wall = std::min(wall, Seconds(Clock::now() - since.wall));
    processor = std::min(processor, ProcessorSeconds() - since.processor);
  }
};

void PrintMemory(const CGameRefData& data) {
  size_t totalRecords = 0, totalBytes = 0, totalKept = 0;
  printf("\nmemory held by the loaded set\n");
  printf("  %-26s %10s %12s %10s %12s %10s\n", "kind", "records", "bytes", "per record", "kept", "held/kept");
  for (const CGameRefData::RefDataMemory& m : data.MemoryByKind()) {
    printf("  %-26s %10zu %12zu %10.1f %12zu %10.3f\n", m.kind, m.records, m.bytes,
           m.records ? static_cast<double>(m.bytes) / static_cast<double>(m.records) : 0.0, m.kept,
           m.kept ? static_cast<double>(m.bytes) / static_cast<double>(m.kept) : 0.0);
    totalRecords += m.records;
    totalBytes += m.bytes;
    totalKept += m.kept;
  }
  printf("  %-26s %10zu %12zu %10s %12zu %10.3f   (%.1f MB held)\n", "total", totalRecords, totalBytes, "",
         totalKept, totalKept ? static_cast<double>(totalBytes) / static_cast<double>(totalKept) : 0.0,
         totalBytes / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  BenchArgs args;
  args.dir = KV_BENCH_DEFAULT_DIR;
  args.runs = 5;
  if (!ParseBenchArgs(argc, argv, "bench_refdata_load", &args)) return 2;
  if (!EnterBenchVolumes(args.dir, "bench_refdata_load")) return 1;
  const std::string& dir = args.dir;
  const int runs = args.runs;

  std::vector<std::string> paths;
  uint64_t inputBytes = 0;
  if (!CollectRefInputs(paths) || !ReadRefInputs(paths, inputBytes)) {
    fprintf(stderr, "bench_refdata_load: the reference files in %s are incomplete\n", dir.c_str());
    return 1;
  }
  printf("input: %zu files, %.1f MB of UTF-16 in %s\n", paths.size(), inputBytes / 1e6, dir.c_str());

  SetLogOutputFunc(CollectMessage);
  Best bestRead, bestBaseline, bestSliced, bestLoad;
  double bestFree = 1e30;
  uint64_t convertedBytes = 0, rawBytes = 0;
  std::unique_ptr<CGameRefData> kept;
  // One timed pass of a way of reading every file; false when a file could not be read.
  auto timed = [&paths](Best& best, bool (*pass)(const std::vector<std::string>&, uint64_t&), uint64_t& bytes) {
    Stopwatch since;
    if (!pass(paths, bytes)) {
      fprintf(stderr, "bench_refdata_load: a reference file could not be read\n");
      return false;
    }
    best.Take(since);
    return true;
  };
  for (int run = 0; run < runs; ++run) {
    if (!timed(bestRead, ReadRefInputs, rawBytes) || !timed(bestBaseline, ReadAndConvertRefInputs, convertedBytes) ||
        !timed(bestSliced, ReadAndConvertAsLoaderRefInputs, convertedBytes)) {
      return 1;
    }
    Stopwatch load;
    auto data = std::make_unique<CGameRefData>();
    bool loaded = data->Load();
    bestLoad.Take(load);
    if (!loaded) {
      fprintf(stderr, "bench_refdata_load: the load failed:\n");
      for (const std::string& m : g_Messages) fprintf(stderr, "  %s\n", m.c_str());
      return 1;
    }
    if (run + 1 == runs) {
      kept = std::move(data);
    } else {
      Clock::time_point t3 = Clock::now();
      data.reset();
      bestFree = std::min(bestFree, Seconds(Clock::now() - t3));
    }
  }
  SetLogOutputFunc(nullptr);

  const double mb = inputBytes / 1e6;
  printf("converted text: %.1f MB\n", convertedBytes / 1e6);
  printf("best of %d runs%28s\n", runs, "processor time");
  printf("  plain read            %9.1f ms   %8.1f MB/s   %9.1f ms\n", bestRead.wall * 1e3, mb / bestRead.wall,
         bestRead.processor * 1e3);
  printf("  read + convert whole  %9.1f ms   %8.1f MB/s   %9.1f ms\n", bestBaseline.wall * 1e3,
         mb / bestBaseline.wall, bestBaseline.processor * 1e3);
  printf("  read + convert sliced %9.1f ms   %8.1f MB/s   %9.1f ms   (the loader's own way)\n",
         bestSliced.wall * 1e3, mb / bestSliced.wall, bestSliced.processor * 1e3);
  printf("  CGameRefData::Load    %9.1f ms   %8.1f MB/s   %9.1f ms\n", bestLoad.wall * 1e3, mb / bestLoad.wall,
         bestLoad.processor * 1e3);
  // The headline is against the cheaper floor, column by column: a floor that got slower
  // must not flatter the load.
  const double floorWall = std::min(bestSliced.wall, bestBaseline.wall);
  const double floorProcessor = std::min(bestSliced.processor, bestBaseline.processor);
  printf("  ratio Load / floor    %9.2f %25.2f   (floor: the cheaper of whole and sliced)\n", bestLoad.wall / floorWall,
         bestLoad.processor / floorProcessor);
  printf("  ratio Load / whole    %9.2f %25.2f\n", bestLoad.wall / bestBaseline.wall,
         bestLoad.processor / bestBaseline.processor);
  printf("  ratio Load / sliced   %9.2f %25.2f\n", bestLoad.wall / bestSliced.wall,
         bestLoad.processor / bestSliced.processor);
  if (runs > 1) printf("  freeing a loaded set  %9.2f ms\n", bestFree * 1e3);
  PrintMemory(*kept);
  return 0;
}
