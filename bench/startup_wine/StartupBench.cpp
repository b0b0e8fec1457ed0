// Start-up where the plug-in runs: the real DLL loaded through the stand-in console's
// code, with the reference data of a live game in KV_GameRefData, timed against the
// least any start-up pays: reading and converting every reference file once with the
// Windows build's own file read and conversion. Beside it: one CGameRefData load and
// one copy of a loaded set in this process (what the game log page and the shared
// instance cost), each page's creation inside CreatePlugin (seen through a window
// creation hook), and the private bytes that loading the module and CreatePlugin add.
// Best of several runs, interleaved; the memory figures are the first run's, before
// this program has read anything big itself.
// Build: win32 preset; run under Wine by hand:
//   cmake/wine-run.sh build/win32/wineprefix build/win32/bench/bench_startup.exe
//       [--dir <folder holding KV_GameRefData>] [--runs N]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
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

// The pages in the order the main window creates them.
const char* const kPages[] = {"console log", "game log (with its load)", "siege log (with the shared copy)",
                              "server event log"};
enum { kPageCount = 4 };

int64_t Ticks() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double TicksPerSecond() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(f.QuadPart);
}

double Now() { return static_cast<double>(Ticks()) / TicksPerSecond(); }

size_t WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// Window creations during a start: when each page dialog (a child of the tab strip)
// was created, and how many windows were created from each page on.
struct Creations {
  std::vector<int64_t> pageTicks;
  std::vector<int> windowsPerPage;
  int windowsBefore = 0;
};
Creations g_creations;

bool IsTabStrip(HWND hwnd) {
  char name[32] = {};
  return hwnd && GetClassNameA(hwnd, name, sizeof name) && strcmp(name, "KDCTabWindow") == 0;
}

LRESULT CALLBACK OnCreation(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    const CBT_CREATEWNDA* create = reinterpret_cast<const CBT_CREATEWNDA*>(lp);
    if (IsTabStrip(create->lpcs->hwndParent)) {
      g_creations.pageTicks.push_back(Ticks());
      g_creations.windowsPerPage.push_back(0);
    }
    if (g_creations.windowsPerPage.empty()) ++g_creations.windowsBefore;
    else ++g_creations.windowsPerPage.back();
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

std::vector<std::string> g_messages;
void KV_CDECL CollectMessage(uint32_t, const char* text) { g_messages.push_back(text); }

struct StartRun {
  SimStartFigures figures;
  Creations creations;
  size_t workingSet = 0;
};

// One start of the plug-in: false with the reason when it did not come up whole.
bool StartOnce(const SimConsoleArgs& args, StartRun* run, std::string* error) {
  CSimConsole console;
  g_creations = Creations();
  HHOOK hook = SetWindowsHookExA(WH_CBT, OnCreation, nullptr, GetCurrentThreadId());
  const bool started = console.Start(args, error);
  if (hook) UnhookWindowsHookEx(hook);
  if (!started) return false;
  run->figures = console.StartFigures();
  run->creations = g_creations;
  run->workingSet = WorkingSet();
  bool whole = console.PluginWindow() != nullptr;
  for (const SimLogLine& line : console.Log().Lines()) {
    // Results are class 0; anything else at start-up is a refusal or a data error.
    if (!line.fromConsole && line.classWord != 0) {
      *error = "the plug-in wrote: " + line.text;
      whole = false;
    }
  }
  if (!console.PluginWindow()) *error = "the plug-in made no window";
  if (run->creations.pageTicks.size() != kPageCount) {
    *error = "the plug-in made " + std::to_string(run->creations.pageTicks.size()) + " pages, not 4";
    whole = false;
  }
  console.Stop();
  return whole;
}

// Seconds from the entry's start to the first page, and from each page to the next;
// the last page's runs to the entry's return (its tab, and showing the main window).
std::vector<double> PageSpans(const StartRun& run) {
  const double perSecond = static_cast<double>(run.figures.ticksPerSecond);
  std::vector<int64_t> marks = {run.figures.entryBegin};
  marks.insert(marks.end(), run.creations.pageTicks.begin(), run.creations.pageTicks.end());
  marks.push_back(run.figures.entryEnd);
  std::vector<double> spans;
  for (size_t i = 1; i < marks.size(); ++i) spans.push_back(static_cast<double>(marks[i] - marks[i - 1]) / perSecond);
  return spans;
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
  if (!EnterGeneratedVolumes(dir, "bench_startup")) return 1;
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

  double bestEntry = 1e30, bestRead = 1e30, bestFloor = 1e30, bestLoad = 1e30, bestCopy = 1e30;
  std::vector<double> bestSpans(kPageCount + 1, 1e30);
  StartRun first;
  uint64_t bytes = 0;
  for (int run = 0; run < runs; ++run) {
    // The plug-in first, so that the first run's memory is the console's with the
    // plug-in, before this program's own reading.
    StartRun start;
    if (!StartOnce(args, &start, &error)) {
      fprintf(stderr, "bench_startup: run %d: %s\n", run + 1, error.c_str());
      return 1;
    }
    if (run == 0) first = start;
    const double entry = start.figures.EntrySeconds();
    bestEntry = std::min(bestEntry, entry);
    const std::vector<double> spans = PageSpans(start);
    for (size_t i = 0; i < spans.size(); ++i) bestSpans[i] = std::min(bestSpans[i], spans[i]);

    if (run == 0) {
      if (!ReadRefInputs(paths, bytes)) {
        fprintf(stderr, "bench_startup: the reference files in %s are incomplete\n", dir.c_str());
        return 1;
      }
      printf("input: %zu files, %.1f MB of UTF-16 in %s\n", paths.size(), bytes / 1e6, dir.c_str());
    }
    double t0 = Now();
    bool ok = ReadRefInputs(paths, bytes);
    double t1 = Now();
    ok = ok && ReadAndConvertRefInputs(paths, bytes);
    double t2 = Now();
    if (!ok) {
      fprintf(stderr, "bench_startup: a reference file could not be read\n");
      return 1;
    }
    bestRead = std::min(bestRead, t1 - t0);
    bestFloor = std::min(bestFloor, t2 - t1);

    // The game log page's load, then the shared instance as the siege page makes it.
    SetLogOutputFunc(CollectMessage);
    double t3 = Now(), t4 = 0, t5 = 0;
    {
      std::unique_ptr<CGameRefData> loaded(new CGameRefData);
      ok = loaded->Load();
      t4 = Now();
      loaded->OfferToInstance();
      ok = ok && CGameRefData::GetInstance() != nullptr;
      t5 = Now();
      CGameRefData::DestroyInstance();
    }
    SetLogOutputFunc(nullptr);
    if (!ok) {
      fprintf(stderr, "bench_startup: the reference data did not load:\n");
      for (const std::string& m : g_messages) fprintf(stderr, "  %s\n", m.c_str());
      return 1;
    }
    bestLoad = std::min(bestLoad, t4 - t3);
    bestCopy = std::min(bestCopy, t5 - t4);
    printf("  run %d: CreatePlugin %.1f ms, floor %.1f ms, load %.1f ms, copy %.1f ms\n", run + 1, entry * 1e3,
           (t2 - t1) * 1e3, (t4 - t3) * 1e3, (t5 - t4) * 1e3);
  }

  printf("best of %d runs\n", runs);
  printf("  plain read                    %9.1f ms\n", bestRead * 1e3);
  printf("  read + convert                %9.1f ms   (the floor)\n", bestFloor * 1e3);
  printf("  CreatePlugin                  %9.1f ms\n", bestEntry * 1e3);
  printf("  ratio CreatePlugin / floor    %9.2f\n", bestEntry / bestFloor);
  printf("  CGameRefData::Load            %9.1f ms\n", bestLoad * 1e3);
  printf("  copy of a loaded set          %9.1f ms\n", bestCopy * 1e3);
  printf("inside CreatePlugin, best of %d runs: from each page's dialog to the next (windows created: first run)\n",
         runs);
  printf("  before the first page         %9.1f ms   %4d windows\n", bestSpans[0] * 1e3, first.creations.windowsBefore);
  for (int i = 0; i < kPageCount; ++i) {
    printf("  %-33s %5.1f ms   %4d windows\n", kPages[i], bestSpans[i + 1] * 1e3,
           first.creations.windowsPerPage[static_cast<size_t>(i)]);
  }
  printf("private bytes, first run\n");
  printf("  added by loading the module   %9.1f MB\n",
         (static_cast<double>(first.figures.privateBeforeEntry) - static_cast<double>(first.figures.privateBeforeModule)) / 1e6);
  printf("  added by CreatePlugin         %9.1f MB\n",
         (static_cast<double>(first.figures.privateAfterEntry) - static_cast<double>(first.figures.privateBeforeEntry)) / 1e6);
  printf("  working set with the plug-in  %9.1f MB\n", first.workingSet / 1e6);
  return 0;
}
