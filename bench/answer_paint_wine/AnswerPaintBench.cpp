// What the operator waits for after a query: the real DLL in the stand-in console, with
// the benchmark volumes as its reference data, gets a 50-row answer on each page
// through the console's own messenger and simulated servers, and paints it. Per page,
// the time the plug-in's OnMessage takes for the answer, and the time from the start of
// that call until the page's list has painted (the loop paints once the answer is in),
// each as median and worst of the runs. The floor of each page, measured in the same
// run between its queries: a plain report list in the page list's place, with its
// size, font, styles and columns, that takes the same rows' texts (marks removed) and
// paints them without colour drawing. Of the time until painted, the console's own
// share is printed apart: showing the result lines the page writes in its log pane (under
// Wine a line that scrolls the pane waits on the X server, about as long as a plain list's
// whole paint). The page's median until painted without that share is printed against
// the floor's median (the ratio), and so is the whole.
// Build: win32 preset; run under Wine by hand (on a display, or under Xvfb as below):
//   cmake/wine-run.sh build/win32/wineprefix build/win32/bench/bench_answer_paint.exe
//       [--dir <folder holding KV_GameRefData>] [--runs N]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchArgs.h"
#include "GameLogRows.h"
#include "PluginWindows.h"
#include "SimConfig.h"
#include "SimConsole.h"
#include "plugin/TabCaptions.h"
#include "resources/resource.h"
#include "ui/ColourMarkup.h"

namespace {

const char kWorld[] = "Velmora";
const char kShard[] = "Velmora-Ember";
const char kFarm[] =
    "world Velmora\n"
    "shard 1 101 Velmora-Ember\n"
    "service 101 4\n";
const char kCharacter[] = "Varnel";
enum : int { kRows = 50, kAnswerTimeoutMs = 10000 };

LogTime At(uint16_t day, int second) {
  LogTime t = {2008, 3, day, 7, static_cast<uint16_t>(second / 60 % 60), static_cast<uint16_t>(second % 60), 0};
  return t;
}

// Operator log records of one user, with the notices and marks a live log holds.
std::vector<KDLogRecord> ConsoleLog() {
  const char* const texts[] = {
      "^2kick^0 character Kaonwind from Velmora-Ember: repeated trade spam in the market square",
      "notice: ^7maintenance at 06:00, the servers come back at 08:00^0",
      "block account ravenmoor_77 for 7 days (ticket 55123)",
      "edit character Selene: gold 1,520,000 -> 1,608,000",
  };
  std::vector<KDLogRecord> log;
  for (int i = 0; i < kRows; ++i) {
    KDLogRecord r;
    r.userName = "gm_orsolya";
    r.category = static_cast<uint8_t>(i % 2 ? 11 : 1);
    r.logText = texts[i % 4];
    r.time = At(5, i);
    log.push_back(r);
  }
  return log;
}

std::vector<GameLogEntry> GameLog() {
  std::vector<GameLogEntry> log;
  for (const GameLogItemRecord& item : BenchItemRows(kRows)) {
    GameLogEntry e;
    e.shardId = 1;
    e.character = kCharacter;
    e.isItem = true;
    e.itemRecord = item;
    log.push_back(e);
  }
  // Quest events are not character events: enough rows that 50 of them are.
  for (const GameLogCharRecord& event : BenchCharRows(2 * kRows)) {
    GameLogEntry e;
    e.shardId = 1;
    e.character = kCharacter;
    e.charRecord = event;
    log.push_back(e);
  }
  return log;
}

// Fortress 1 and server event 1 are in the benchmark volumes.
std::vector<PagedLogEntry<SiegeLogRow>> SiegeLog() {
  struct Row {
    uint8_t code;
    uint32_t data2;
    const char* text;
  } const rows[] = {
      {1, 0, ""}, {3, 2, "^6Ember^0 Wardens"}, {7, 0, "North Gate"}, {17, 12, "Siege Ram"}, {24, 0, "reward failed: storage 100% full"},
  };
  std::vector<PagedLogEntry<SiegeLogRow>> log;
  for (int i = 0; i < kRows; ++i) {
    const Row& row = rows[i % 5];
    PagedLogEntry<SiegeLogRow> e;
    e.shardId = 1;
    e.row.head = static_cast<uint32_t>(i);
    e.row.time = At(5, i);
    e.row.eventCode = row.code;
    e.row.data1 = 1;
    e.row.data2 = row.data2;
    e.row.text = row.text;
    log.push_back(e);
  }
  return log;
}

std::vector<PagedLogEntry<ServerEventLogRow>> ServerEventLog() {
  const char* const texts[] = {"^2began^0 at the gate of Velmora", "hero Kaonwind cleared 100% of the invasion",
                               "reward: 3 Ember Crests to Selene", "ended after 42 minutes"};
  std::vector<PagedLogEntry<ServerEventLogRow>> log;
  for (int i = 0; i < kRows; ++i) {
    PagedLogEntry<ServerEventLogRow> e;
    e.shardId = 1;
    e.row.logId = static_cast<uint32_t>(900 + i);
    e.row.time = At(5, i);
    e.row.serverEventId = 1;
    e.row.logType = static_cast<uint8_t>(1 + i % 4);
    e.row.description = texts[i % 4];
    log.push_back(e);
  }
  return log;
}

// A page's query: its tab, controls, the combo boxes where it takes the entry of
// identifier 1, its button and list.
struct PageQuery {
  const char* name;
  size_t tab;
  std::vector<std::pair<int, const char*>> controls;
  std::vector<int> entriesOne;
  int button;
  int list;
};

std::vector<PageQuery> Queries() {
  const std::pair<int, const char*> kdDates[] = {
      {IDC_KDLOG_BEGIN_DATE, "2008-03-05"}, {IDC_KDLOG_BEGIN_TIME, "00:00:00"},
      {IDC_KDLOG_END_DATE, "2008-03-05"},   {IDC_KDLOG_END_TIME, "23:59:59"}};
  PageQuery console = {"console log", 0, {{IDC_KDLOG_QUERY_BY, "User Name"}, {IDC_KDLOG_USERNAME, "gm_orsolya"}},
                       {}, IDC_KDLOG_QUERY, IDC_KDLOG_LIST};
  console.controls.insert(console.controls.end(), std::begin(kdDates), std::end(kdDates));

  const std::vector<std::pair<int, const char*>> gameControls = {
      {IDC_GAMELOG_SHARD, kShard},          {IDC_GAMELOG_CHARNAME, kCharacter},
      {IDC_GAMELOG_BEGIN_DATE, "2008-03-05"}, {IDC_GAMELOG_BEGIN_TIME, "00:00:00"},
      {IDC_GAMELOG_END_DATE, "2008-03-05"},   {IDC_GAMELOG_END_TIME, "23:59:59"}};
  PageQuery items = {"game log, items", 1, gameControls, {}, IDC_GAMELOG_NEW_QUERY, IDC_GAMELOG_LIST};
  items.controls.push_back({IDC_GAMELOG_CATEGORY, "Item"});
  items.controls.push_back({IDC_GAMELOG_QUERY_OPTION, "All"});
  PageQuery characters = {"game log, character", 1, gameControls, {}, IDC_GAMELOG_NEW_QUERY, IDC_GAMELOG_LIST};
  characters.controls.push_back({IDC_GAMELOG_CATEGORY, "Character"});
  characters.controls.push_back({IDC_GAMELOG_QUERY_OPTION, "All"});

  PageQuery siege = {"siege log",
                     2,
                     {{IDC_SIEGE_SHARD, kShard},
                      {IDC_SIEGE_CATEGORY, "All"},
                      {IDC_SIEGE_BEGIN_DATE, "2008-03-05"},
                      {IDC_SIEGE_BEGIN_TIME, "00:00:00"},
                      {IDC_SIEGE_END_DATE, "2008-03-05"},
                      {IDC_SIEGE_END_TIME, "23:59:59"}},
                     {IDC_SIEGE_FORTRESS},
                     IDC_SIEGE_QUERY,
                     IDC_SIEGE_LIST};
  PageQuery events = {"server event log",
                      3,
                      {{IDC_EVENT_SHARD, kShard},
                       {IDC_EVENT_CATEGORY, "All"},
                       {IDC_EVENT_BEGIN_DATE, "2008-03-05"},
                       {IDC_EVENT_BEGIN_TIME, "00:00:00"},
                       {IDC_EVENT_END_DATE, "2008-03-05"},
                       {IDC_EVENT_END_TIME, "23:59:59"}},
                      {IDC_EVENT_NAME},
                      IDC_EVENT_QUERY,
                      IDC_EVENT_LIST};
  return {console, items, characters, siege, events};
}

double Seconds(int64_t ticks) {
  static const double perSecond = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  return static_cast<double>(ticks) / perSecond;
}

int64_t Ticks() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

// Runs the loop one message at a time until done() holds; false on time-out.
bool RunUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > kAnswerTimeoutMs) return false;
    MSG msg;
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // The plug-in's windows post WM_QUIT when they go; none go here.
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  return true;
}

// Presses the page's button and runs the loop until the answer to the request it sent
// is in and the list holds no part left to paint. False on time-out.
bool QueryOnce(CSimConsole& console, HWND page, const PageQuery& query, double* onMessage, double* painted,
               double* logPane) {
  HWND list = GetDlgItem(page, query.list);
  const uint64_t before = console.LastDelivery().count;
  SendMessageA(GetDlgItem(page, query.button), BM_CLICK, 0, 0);
  if (!RunUntil([&] { return console.LastDelivery().count > before && !GetUpdateRect(list, nullptr, FALSE); }))
    return false;
  const int64_t end = Ticks();
  *onMessage = console.LastDelivery().onMessageSeconds;
  *painted = Seconds(end - console.LastDelivery().begin);
  *logPane = console.LastDelivery().logPaneSeconds;
  return true;
}

typedef std::vector<std::vector<std::string>> Rows;

int ColumnCount(HWND list) {
  return static_cast<int>(SendMessageA(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
}

// The list's texts, row by row, without their colour marks.
Rows PlainTexts(HWND list) {
  Rows rows;
  const int columns = ColumnCount(list);
  for (int row = 0, count = ListView_GetItemCount(list); row < count; ++row) {
    rows.emplace_back();
    for (int col = 0; col < columns; ++col) {
      char text[4096] = {};
      ListView_GetItemText(list, row, col, text, static_cast<int>(sizeof text));
      rows.back().push_back(StripColourMarks(text));
    }
  }
  return rows;
}

// A plain report list standing in for a page's list: in a window of its own at the
// list's place (so the page sees none of its notifications), with the list's size,
// font, extended styles and column widths.
class CPlainList {
 public:
  explicit CPlainList(HWND pageList) : m_pageList(pageList) {
    static const char kClass[] = "KVBenchPlainListFrame";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    HWND page = GetParent(pageList);
    RECT rect;
    GetWindowRect(pageList, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    m_frame = CreateWindowExA(0, kClass, "", WS_CHILD, rect.left, rect.top, width, height, page, nullptr,
                              wc.hInstance, nullptr);
    m_list = CreateWindowExA(GetWindowLongA(pageList, GWL_EXSTYLE), WC_LISTVIEWA, "",
                             static_cast<DWORD>(GetWindowLongA(pageList, GWL_STYLE)) | WS_VISIBLE, 0, 0, width,
                             height, m_frame, nullptr, wc.hInstance, nullptr);
    if (!m_list) return;
    SendMessageA(m_list, WM_SETFONT, static_cast<WPARAM>(SendMessageA(pageList, WM_GETFONT, 0, 0)), FALSE);
    ListView_SetExtendedListViewStyle(m_list, ListView_GetExtendedListViewStyle(pageList));
    for (int col = 0, columns = ColumnCount(pageList); col < columns; ++col) {
      LVCOLUMNA column = {};
      column.mask = LVCF_WIDTH;
      column.cx = ListView_GetColumnWidth(pageList, col);
      ListView_InsertColumn(m_list, col, &column);
    }
  }
  ~CPlainList() {
    if (m_frame) DestroyWindow(m_frame);
  }
  bool Made() const { return m_list != nullptr; }

  // Shows the plain list in the page list's place, fills it with the rows and runs the
  // loop until it has painted; then the page's list is back and painted. The seconds
  // from the filling to the paint, or a negative number on time-out.
  double Paint(const Rows& rows) {
    ShowWindow(m_pageList, SW_HIDE);
    ShowWindow(m_frame, SW_SHOW);
    if (!RunUntil([&] { return !GetUpdateRect(m_frame, nullptr, FALSE) && !GetUpdateRect(m_list, nullptr, FALSE); }))
      return -1;
    // Filled as a plain list is best filled: drawing held back until every row is in.
    const int64_t begin = Ticks();
    SendMessageA(m_list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(m_list);
    for (size_t row = 0; row < rows.size(); ++row) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(row);
      item.pszText = const_cast<char*>(rows[row].empty() ? "" : rows[row][0].c_str());
      const int at = ListView_InsertItem(m_list, &item);
      for (size_t col = 1; col < rows[row].size(); ++col)
        ListView_SetItemText(m_list, at, static_cast<int>(col), const_cast<char*>(rows[row][col].c_str()));
    }
    SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
    const bool painted = RunUntil([&] { return !GetUpdateRect(m_list, nullptr, FALSE); });
    const int64_t end = Ticks();
    ShowWindow(m_frame, SW_HIDE);
    ShowWindow(m_pageList, SW_SHOW);
    if (!painted || !RunUntil([&] { return !GetUpdateRect(m_pageList, nullptr, FALSE); })) return -1;
    return Seconds(end - begin);
  }

 private:
  HWND m_pageList;
  HWND m_frame = nullptr;
  HWND m_list = nullptr;
};

// Selects the combo box entry whose item data is the identifier, as the operator would.
bool SelectEntryOf(HWND page, int id, LRESULT data) {
  HWND combo = GetDlgItem(page, id);
  const LRESULT count = combo ? SendMessageA(combo, CB_GETCOUNT, 0, 0) : 0;
  for (LRESULT i = 0; i < count; ++i) {
    char text[260] = {};
    if (SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) != data ||
        SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) >= static_cast<LRESULT>(sizeof text)) {
      continue;
    }
    return SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text)) != CB_ERR &&
           SetPageControl(page, id, text);
  }
  return false;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  BenchArgs bench;
  bench.dir = KV_BENCH_VOLUMES;
  bench.runs = 25;
  if (!ParseBenchArgs(argc, argv, "bench_answer_paint", &bench)) return 2;
  if (!EnterGeneratedVolumes(bench.dir, "bench_answer_paint")) return 1;
  SimConsoleArgs args;
  args.dllPath = KV_BENCH_MODULE;
  args.kdlog = ConsoleLog();
  args.gamelog = GameLog();
  args.siegelog = SiegeLog();
  args.serverevent = ServerEventLog();
  std::string error;
  CSimConsole console;
  if (!ParseSimConfig(kFarm, &args.config, &error) || !console.Start(args, &error)) {
    fprintf(stderr, "bench_answer_paint: %s\n", error.c_str());
    return 1;
  }
  PumpFor(200);
  HWND strip = FindTabStrip(console.PluginWindow());
  const std::vector<std::string> captions = TabCaptions(kWorld);

  printf("%d-row answers through the console, %d per page after one untimed; median and worst,\n"
         "the console's share (its log pane showing the result lines), and the page's median\n"
         "until painted without that share (ratio) and whole against a plain list painting\n"
         "the same texts\n",
         kRows, bench.runs);
  printf("  %-22s %21s %21s %10s %10s %10s %6s %6s\n", "page", "OnMessage", "until painted", "log pane", "without",
         "plain list", "ratio", "whole");
  size_t shown = captions.size();  // no tab is selected after start-up
  for (const PageQuery& query : Queries()) {
    if (query.tab != shown) {
      HWND before = VisiblePage(strip);
      if (!ClickTab(strip, captions, query.tab) ||
          !PumpUntil([&] { return VisiblePage(strip) && VisiblePage(strip) != before; }, 2000)) {
        fprintf(stderr, "bench_answer_paint: the %s page did not show\n", query.name);
        return 1;
      }
      shown = query.tab;
      PumpFor(100);
    }
    HWND page = VisiblePage(strip);
    for (const auto& control : query.controls) {
      if (!SetPageControl(page, control.first, control.second)) {
        fprintf(stderr, "bench_answer_paint: %s: control %d does not take \"%s\"\n", query.name, control.first,
                control.second);
        return 1;
      }
    }
    for (int id : query.entriesOne) {
      if (!SelectEntryOf(page, id, 1)) {
        fprintf(stderr, "bench_answer_paint: %s: combo box %d has no entry 1\n", query.name, id);
        return 1;
      }
    }
    std::vector<double> onMessage, painted, logPane, ours, plain;
    std::unique_ptr<CPlainList> plainList;
    Rows texts;
    for (int run = 0; run <= bench.runs; ++run) {
      double call = 0, paint = 0, pane = 0;
      if (!QueryOnce(console, page, query, &call, &paint, &pane)) {
        fprintf(stderr, "bench_answer_paint: %s: no %d-row answer painted within %d ms\n", query.name, kRows,
                kAnswerTimeoutMs);
        return 1;
      }
      const int listed = ListView_GetItemCount(GetDlgItem(page, query.list));
      if (listed != kRows) {
        fprintf(stderr, "bench_answer_paint: %s: the answer listed %d rows, not %d\n", query.name, listed, kRows);
        return 1;
      }
      if (run == 0) {
        texts = PlainTexts(GetDlgItem(page, query.list));
        plainList.reset(new CPlainList(GetDlgItem(page, query.list)));
        if (!plainList->Made()) {
          fprintf(stderr, "bench_answer_paint: %s: the plain list could not be made\n", query.name);
          return 1;
        }
      }
      const double plainPaint = plainList->Paint(texts);
      if (plainPaint < 0) {
        fprintf(stderr, "bench_answer_paint: %s: the plain list did not paint within %d ms\n", query.name,
                kAnswerTimeoutMs);
        return 1;
      }
      if (run == 0) continue;
      onMessage.push_back(call);
      painted.push_back(paint);
      logPane.push_back(pane);
      ours.push_back(paint - pane);
      plain.push_back(plainPaint);
    }
    plainList.reset();
    printf("  %-22s %8.1f / %8.1f ms %8.1f / %8.1f ms %7.1f ms %7.1f ms %7.1f ms %6.2f %6.2f\n", query.name,
           Median(onMessage) * 1e3, *std::max_element(onMessage.begin(), onMessage.end()) * 1e3,
           Median(painted) * 1e3, *std::max_element(painted.begin(), painted.end()) * 1e3, Median(logPane) * 1e3,
           Median(ours) * 1e3, Median(plain) * 1e3, Median(ours) / Median(plain), Median(painted) / Median(plain));
  }
  console.Stop();
  return 0;
}
