// Start-up where the plug-in runs: the real DLL loaded through the stand-in console's
// code, with the reference data of a live game in KV_GameRefData, timed against the
// floor of that start-up: reading and converting every reference file twice (the
// console's pages load two copies) with the Windows build's own file read and
// conversion. Also two loads of CGameRefData in this process, which is what the
// pages' copies cost, and the process's peak working set right after the first
// CreatePlugin (before this program reads anything big itself).
// Best of several runs, interleaved. Build: win32 preset; run under Wine by hand:
//   cmake/wine-run.sh build/win32/wineprefix build/win32/bench/bench_startup.exe
//       [--dir <folder holding KV_GameRefData>] [--runs N]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchArgs.h"
#include "RefInputs.h"
#include "SimConfig.h"
#include "SimConsole.h"
#include "base/LogOutput.h"
#include "refdata/KV_GameRefData.h"

namespace {

const char kFarm[] =
    "world Velmora\n"
    "shard 1 101 Velmora-Ember\n"
    "service 101 4\n";

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

std::vector<std::string> g_messages;
void KV_CDECL CollectMessage(uint32_t, const char* text) { g_messages.push_back(text); }

// One start of the plug-in: false with the reason when it did not come up whole.
// *memory is read while the plug-in is still loaded.
bool StartOnce(const SimConsoleArgs& args, double* entrySeconds, PROCESS_MEMORY_COUNTERS* memory,
               std::string* error) {
  CSimConsole console;
  if (!console.Start(args, error)) return false;
  *entrySeconds = console.EntrySeconds();
  *memory = Memory();
  bool whole = console.PluginWindow() != nullptr;
  for (const SimLogLine& line : console.Log().Lines()) {
    // Results are class 0; anything else at start-up is a refusal or a data error.
    if (!line.fromConsole && line.classWord != 0) {
      *error = "the plug-in wrote: " + line.text;
      whole = false;
    }
  }
  if (!console.PluginWindow()) *error = "the plug-in made no window";
  console.Stop();
  return whole;
}

}  // namespace

int main(int argc, char** argv) {
  BenchArgs bench;
  bench.dir = KV_BENCH_VOLUMES;
  bench.runs = 5;
  if (!ParseBenchArgs(argc, argv, "bench_startup", &bench)) return 2;
  const std::string& dir = bench.dir;
  const int runs = bench.runs;
  const std::string dll = KV_BENCH_MODULE;
  if (!SetCurrentDirectoryA(dir.c_str())) {
    fprintf(stderr,
            "bench_startup: no folder %s; run build/native/bench/bench_refdata_load once (it generates the "
            "volumes there) or give --dir\n",
            dir.c_str());
    return 1;
  }
  std::vector<std::string> paths;
  if (!CollectRefInputs(paths)) {
    fprintf(stderr, "bench_startup: the reference files in %s are incomplete\n", dir.c_str());
    return 1;
  }

  SimConsoleArgs args;
  args.dllPath = dll;
  args.show = false;
  std::string error;
  if (!ParseSimConfig(kFarm, &args.config, &error)) {
    fprintf(stderr, "bench_startup: %s\n", error.c_str());
    return 1;
  }

  double bestEntry = 1e30, bestRead = 1e30, bestFloor = 1e30, bestLoads = 1e30;
  const size_t heldBeforeStart = Memory().WorkingSetSize;
  size_t peakAfterStart = 0, heldAfterStart = 0;
  uint64_t bytes = 0;
  for (int run = 0; run < runs; ++run) {
    // The plug-in first, so that the peak working set read after the first start is
    // the console's with the plug-in, before this program's own measurements.
    double entry = 0;
    PROCESS_MEMORY_COUNTERS m = {};
    if (!StartOnce(args, &entry, &m, &error)) {
      fprintf(stderr, "bench_startup: run %d: %s\n", run + 1, error.c_str());
      return 1;
    }
    bestEntry = std::min(bestEntry, entry);
    if (run == 0) {
      peakAfterStart = m.PeakWorkingSetSize;
      heldAfterStart = m.WorkingSetSize;
    }

    if (run == 0) {
      if (!ReadRefInputs(paths, bytes)) {
        fprintf(stderr, "bench_startup: the reference files in %s are incomplete\n", dir.c_str());
        return 1;
      }
      printf("input: %zu files, %.1f MB of UTF-16 in %s, read twice at start-up\n", paths.size(), bytes / 1e6,
             dir.c_str());
    }
    double t0 = Now();
    bool ok = ReadRefInputs(paths, bytes) && ReadRefInputs(paths, bytes);
    double t1 = Now();
    ok = ok && ReadAndConvertRefInputs(paths, bytes) && ReadAndConvertRefInputs(paths, bytes);
    double t2 = Now();
    if (!ok) {
      fprintf(stderr, "bench_startup: a reference file could not be read\n");
      return 1;
    }
    bestRead = std::min(bestRead, t1 - t0);
    bestFloor = std::min(bestFloor, t2 - t1);

    SetLogOutputFunc(CollectMessage);
    double t3 = Now();
    {
      std::unique_ptr<CGameRefData> first(new CGameRefData), second(new CGameRefData);
      ok = first->Load() && second->Load();
    }
    double t4 = Now();
    SetLogOutputFunc(nullptr);
    if (!ok) {
      fprintf(stderr, "bench_startup: the reference data did not load:\n");
      for (const std::string& m : g_messages) fprintf(stderr, "  %s\n", m.c_str());
      return 1;
    }
    bestLoads = std::min(bestLoads, t4 - t3);
    printf("  run %d: CreatePlugin %.1f ms, floor %.1f ms, two loads %.1f ms\n", run + 1, entry * 1e3,
           (t2 - t1) * 1e3, (t4 - t3) * 1e3);
  }

  printf("best of %d runs\n", runs);
  printf("  plain read, twice             %9.1f ms\n", bestRead * 1e3);
  printf("  read + convert, twice         %9.1f ms   (the floor)\n", bestFloor * 1e3);
  printf("  CreatePlugin                  %9.1f ms\n", bestEntry * 1e3);
  printf("  ratio CreatePlugin / floor    %9.2f\n", bestEntry / bestFloor);
  printf("  CGameRefData::Load, twice     %9.1f ms\n", bestLoads * 1e3);
  printf("  ratio two loads / floor       %9.2f\n", bestLoads / bestFloor);
  printf("working set of this process\n");
  printf("  before CreatePlugin           %9.1f MB\n", heldBeforeStart / 1e6);
  printf("  with the plug-in started      %9.1f MB\n", heldAfterStart / 1e6);
  printf("  peak until then               %9.1f MB\n", peakAfterStart / 1e6);
  return 0;
}
