// Start-up where the plug-in runs: the real DLL loaded through the stand-in console's
// code, with the reference data of a live game in KV_GameRefData, timed against the
// least any start-up pays: reading and converting every reference file once with the
// Windows build's own file read and conversion. Creating windows costs what the
// window system makes it cost (under Wine, the X server's speed), so the hooks below
// time it apart and the headline is CreatePlugin without it: the plug-in's own share.
// Beside it: one CGameRefData load and the shared instance taking the loaded set in
// this process (what the game log page and the siege page pay), each page's creation
// inside CreatePlugin with the windows it makes, and the private bytes that loading
// the module and CreatePlugin add. Best of several runs, interleaved; the memory
// figures are the first run's, before this program has read anything big itself.
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
const char* const kPages[] = {"console log", "game log (with its load)", "siege log (takes the shared set)",
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
// and each window was created, and the time spent creating windows: from the start of
// a creation (the creation hook) until the window has handled WM_CREATE, or for a
// dialog until its controls stand and it is about to get WM_INITDIALOG, where the
// page's own set-up begins. Creations nested in one another count once; the plug-in's
// code inside WM_INITDIALOG does not count, windows it creates there do.
struct Creations {
  std::vector<int64_t> pageTicks;
  std::vector<int64_t> created;
  std::vector<std::pair<int64_t, int64_t>> spans;  // outermost creations: begin, end
};
Creations g_creations;

struct Creating {
  HWND hwnd;
  bool dialog;
};
std::vector<Creating> g_creating;  // creations under way, innermost last

bool HasClass(HWND hwnd, const char* wanted) {
  char name[32] = {};
  return hwnd && GetClassNameA(hwnd, name, sizeof name) && strcmp(name, wanted) == 0;
}

// The creation of hwnd (and any inside it left open) is over.
void CreationDone(HWND hwnd, bool dialog) {
  for (size_t i = g_creating.size(); i-- > 0;) {
    if (g_creating[i].hwnd != hwnd) continue;
    if (g_creating[i].dialog != dialog) return;
    g_creating.resize(i);
    if (g_creating.empty()) g_creations.spans.back().second = Ticks();
    return;
  }
}

LRESULT CALLBACK OnCreation(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    const CBT_CREATEWNDA* create = reinterpret_cast<const CBT_CREATEWNDA*>(lp);
    const int64_t now = Ticks();
    if (HasClass(create->lpcs->hwndParent, "KDCTabWindow")) g_creations.pageTicks.push_back(now);
    g_creations.created.push_back(now);
    if (g_creating.empty()) g_creations.spans.push_back({now, now});
    HWND hwnd = reinterpret_cast<HWND>(wp);
    g_creating.push_back({hwnd, HasClass(hwnd, "#32770")});
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK OnSent(int code, WPARAM wp, LPARAM lp) {
  const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && sent->message == WM_INITDIALOG && !g_creating.empty()) CreationDone(sent->hwnd, true);
  return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK OnHandled(int code, WPARAM wp, LPARAM lp) {
  const CWPRETSTRUCT* handled = reinterpret_cast<const CWPRETSTRUCT*>(lp);
  if (code == HC_ACTION && handled->message == WM_CREATE && !g_creating.empty()) CreationDone(handled->hwnd, false);
  return CallNextHookEx(nullptr, code, wp, lp);
}

std::vector<std::string> g_messages;
void KV_CDECL CollectMessage(uint32_t, const char* text) { g_messages.push_back(text); }

struct StartRun {
  SimStartFigures figures;
  Creations creations;
  size_t workingSet = 0;

  // Stage of a moment: 0 before the first page, then the page's number.
  size_t Stage(int64_t t) const {
    return static_cast<size_t>(std::upper_bound(creations.pageTicks.begin(), creations.pageTicks.end(), t) -
                               creations.pageTicks.begin());
  }
  bool InEntry(int64_t t) const { return t >= figures.entryBegin && t <= figures.entryEnd; }
  // Windows CreatePlugin created, by stage.
  std::vector<int> Windows() const {
    std::vector<int> count(kPageCount + 1, 0);
    for (int64_t t : creations.created) {
      if (InEntry(t)) ++count[Stage(t)];
    }
    return count;
  }
  // Seconds CreatePlugin spent creating windows, by stage.
  std::vector<double> WindowSeconds() const {
    std::vector<double> seconds(kPageCount + 1, 0);
    for (const auto& span : creations.spans) {
      if (InEntry(span.first)) {
        seconds[Stage(span.first)] +=
            static_cast<double>(span.second - span.first) / static_cast<double>(figures.ticksPerSecond);
      }
    }
    return seconds;
  }
};

// One start of the plug-in: false with the reason when it did not come up whole.
bool StartOnce(const SimConsoleArgs& args, StartRun* run, std::string* error) {
  CSimConsole console;
  g_creations = Creations();
  g_creating.clear();
  const DWORD thread = GetCurrentThreadId();
  HHOOK hooks[] = {SetWindowsHookExA(WH_CBT, OnCreation, nullptr, thread),
                   SetWindowsHookExA(WH_CALLWNDPROC, OnSent, nullptr, thread),
                   SetWindowsHookExA(WH_CALLWNDPROCRET, OnHandled, nullptr, thread)};
  const bool started = console.Start(args, error);
  for (HHOOK hook : hooks) {
    if (hook) UnhookWindowsHookEx(hook);
  }
  if (!started) return false;
  if (!hooks[0] || !hooks[1] || !hooks[2] || !g_creating.empty()) {
    *error = "the window creations could not be timed";
    return false;
  }
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

  double bestEntry = 1e30, bestRead = 1e30, bestFloor = 1e30, bestLoad = 1e30, bestShare = 1e30;
  double bestWindows = 1e30, bestOwn = 1e30;
  std::vector<double> bestSpans(kPageCount + 1, 1e30), bestPageWindows(kPageCount + 1, 1e30);
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
    const std::vector<double> pageWindows = start.WindowSeconds();
    double windows = 0;
    for (double w : pageWindows) windows += w;
    bestWindows = std::min(bestWindows, windows);
    bestOwn = std::min(bestOwn, entry - windows);
    const std::vector<double> spans = PageSpans(start);
    for (size_t i = 0; i < spans.size(); ++i) {
      bestSpans[i] = std::min(bestSpans[i], spans[i]);
      bestPageWindows[i] = std::min(bestPageWindows[i], pageWindows[i]);
    }

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
    bestShare = std::min(bestShare, t5 - t4);
    printf("  run %d: CreatePlugin %.1f ms (windows %.1f ms), floor %.1f ms, load %.1f ms, shared instance %.1f ms\n",
           run + 1, entry * 1e3, windows * 1e3, (t2 - t1) * 1e3, (t4 - t3) * 1e3, (t5 - t4) * 1e3);
  }
  const std::vector<int> firstWindows = first.Windows();
  int windowCount = 0;
  for (int n : firstWindows) windowCount += n;

  printf("best of %d runs\n", runs);
  printf("  plain read                    %9.1f ms\n", bestRead * 1e3);
  printf("  read + convert                %9.1f ms   (the floor)\n", bestFloor * 1e3);
  printf("  CreatePlugin, whole           %9.1f ms   ratio to the floor %.2f\n", bestEntry * 1e3,
         bestEntry / bestFloor);
  printf("  creating windows in it        %9.1f ms   %d windows\n", bestWindows * 1e3, windowCount);
  printf("  CreatePlugin without them     %9.1f ms\n", bestOwn * 1e3);
  printf("  ratio without windows / floor %9.2f\n", bestOwn / bestFloor);
  printf("  CGameRefData::Load            %9.1f ms\n", bestLoad * 1e3);
  printf("  shared instance, offered set  %9.1f ms\n", bestShare * 1e3);
  printf("inside CreatePlugin, best of %d runs: from each page's dialog to the next, and its windows' creation\n"
         "(windows created: first run)\n",
         runs);
  const char* const before = "before the first page";
  for (int i = 0; i <= kPageCount; ++i) {
    printf("  %-33s %6.1f ms   windows %5.1f ms %4d\n", i ? kPages[i - 1] : before, bestSpans[i] * 1e3,
           bestPageWindows[i] * 1e3, firstWindows[static_cast<size_t>(i)]);
  }
  printf("private bytes, first run\n");
  printf("  added by loading the module   %9.1f MB\n",
         (static_cast<double>(first.figures.privateBeforeEntry) - static_cast<double>(first.figures.privateBeforeModule)) / 1e6);
  printf("  added by CreatePlugin         %9.1f MB\n",
         (static_cast<double>(first.figures.privateAfterEntry) - static_cast<double>(first.figures.privateBeforeEntry)) / 1e6);
  printf("  working set with the plug-in  %9.1f MB\n", first.workingSet / 1e6);
  return 0;
}
