#include "PluginHost.h"

#include <gtest/gtest.h>

#include "LogTimeKey.h"
#include "PluginWindows.h"
#include "plugin/TabCaptions.h"

const char kTestWorld[] = "Velmora";

namespace {

const char kFarm[] =
    "world Velmora\n"
    "world Aschfeld\n"
    "shard 1 101 Velmora-Ember\n"
    "shard 7 107 Aschfeld-Gale\n"
    "service 101 4\n"
    "service 107 2\n";

KDLogRecord Entry(const char* user, uint8_t category, const char* time, uint32_t fraction, const char* text) {
  KDLogRecord e;
  e.userName = user;
  e.category = category;
  ParseLogTime(time, &e.time);
  e.time.fraction = fraction;
  e.logText = text;
  return e;
}

// The operator log the tests query: two records of gm_orsolya, notices with marks and
// "%s", and 105 user control records for the limit.
std::vector<KDLogRecord> TestLog() {
  std::vector<KDLogRecord> log = {
      Entry("gm_orsolya", 1, "2026-11-2 07:05:09", 250000000, "^2kick^0 character Varnel %s"),
      Entry("op_kesh", 11, "2026-11-3 10:00:00", 0, "notice: ^7maintenance at %s^0"),
      Entry("gm_orsolya", 30, "2026-11-4 00:00:00", 7, "unclassified %d event"),
      Entry("op_brenna", 11, "2026-11-5 23:59:59", 0, "notice: 100% done"),
      Entry("op_old", 11, "2025-12-31 23:59:59", 0, "too early for the tests' span"),
  };
  for (int i = 0; i < 105; ++i) {
    std::string text = "block account " + std::to_string(i);
    log.push_back(Entry("op_brenna", 14, "2026-11-20 12:00:00", static_cast<uint32_t>(i), text.c_str()));
  }
  return log;
}

// The shards' game log the tests query: Varnel's creation, a quest, 60 logins for
// paging, and a sword (serial 500) found in October, bought and worn in November and
// handed to Brenna. Haneul's items have Korean names (one bought from the jeweller, a
// Korean name too), Meilin's Traditional Chinese ones.
std::string TestGameLog() {
  std::string log =
      "1 | Varnel | 2026-11-01 08:00:00 | char | 1 | 40211 | 0x0A01A8C0 |  | Varnel\n"
      "1 | Varnel | 2026-11-01 08:30:00 | char | 200 | 1 | 0 | Velmora | \n"
      "1 | Varnel | 2026-11-01 09:00:00 | item | 500 | 1001 | ITEM_WEAPON_SWORD_01 | 0x27120001 | 0 | 32 | 255 | 13 | "
      "-1200 | Velmora | 1,247,700\n"
      "1 | Varnel | 2026-11-01 09:01:00 | item | 500 | 1001 | ITEM_WEAPON_SWORD_01 | 0 | 0 | 10 | 13 | 6 | 0 | "
      "Velmora | \n"
      "1 | Brenna | 2026-11-03 12:00:00 | item | 500 | 1001 | ITEM_WEAPON_SWORD_01 | 80 | 0 | 58 | 0 | 14 | 0 | "
      "Velmora | Varnel\n"
      "1 | Varnel | 2026-10-15 12:00:00 | item | 500 | 1001 | ITEM_WEAPON_SWORD_01 | 0 | 0 | 30 | 255 | 13 | 0 | "
      "Velmora | 1,2,found\n"
      "1 | Haneul | 2026-11-20 09:00:00 | item | 600 | 1102 | ITEM_WEAPON_SWORD_RARE_02 | 0x271A0001 | 0 | 32 | 255 | "
      "13 | -250000 | Velmora | 750,000\n"
      "1 | Meilin | 2026-11-21 09:00:00 | item | 700 | 1103 | ITEM_WEAPON_SWORD_RARE_03 | 0 | 0 | 30 | 255 | 13 | 0 | "
      "Velmora | \n"
      "1 | Meilin | 2026-11-21 09:01:00 | item | 701 | 1123 | ITEM_WEAPON_SPEAR_RARE_03 | 0 | 0 | 30 | 255 | 14 | 0 | "
      "Velmora | \n"
      "1 | Meilin | 2026-11-21 09:02:00 | item | 702 | 4303 | ITEM_ACC_EAST_RING_RARE_02 | 0 | 0 | 30 | 255 | 15 | 0 | "
      "Velmora | \n";
  for (int i = 0; i < 60; ++i)
    log += "1 | Varnel | 2026-11-02 10:" + std::string(i < 10 ? "0" : "") + std::to_string(i) +
           ":00 | char | 4 | 40211 | 0x0A01A8C0 | Velmora (1204, 330) | \n";
  return log;
}

// The shards' siege log: Northwatch (fortress 1) on the first shard with a siege start,
// 55 gate repairs for paging and a result; Redcliff (2) one reward, which Northwatch's
// query leaves out.
std::string TestSiegeLog() {
  std::string log = "1 | 1 | 2026-11-01 08:00:00 | 1 | 0 | \n";
  for (int i = 0; i < 55; ++i)
    log += "1 | 1 | 2026-11-02 10:" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ":00 | 7 | 0 | Gate " +
           std::to_string(i) + "\n";
  log += "1 | 1 | 2026-11-03 00:00:00 | 3 | 2 | ^6Ember^0 Wardens\n"
         "1 | 2 | 2026-11-03 01:00:00 | 24 | 0 | reward failed: storage 100% full\n";
  return log;
}

// The shards' server event log: Monster Invasion (7) on the first shard with a start,
// 58 completions for paging and an end; the Harvest Festival (1) a start, which Monster
// Invasion's query leaves out.
std::string TestServerEventLog() {
  std::string log = "1 | 900 | 2026-11-18 20:00:00 | 7 | 1 | ^2began^0 at the gate\n";
  for (int i = 0; i < 58; ++i)
    log += "1 | " + std::to_string(901 + i) + " | 2026-11-18 21:" + std::string(i < 10 ? "0" : "") +
           std::to_string(i) + ":00 | 7 | 3 | hero " + std::to_string(i) + " cleared 100%\n";
  log += "1 | 959 | 2026-11-18 23:00:00 | 7 | 2 | ended\n"
         "1 | 960 | 2026-11-19 10:00:00 | 1 | 1 | Harvest Festival opened\n";
  return log;
}

class HostEnvironment : public ::testing::Environment {
 public:
  void TearDown() override {
    Host().console.Stop();
    Host().refData.reset();
  }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

}  // namespace

HostedPlugin& Host() {
  static HostedPlugin* host = [] {
    auto* h = new HostedPlugin;
    SimConsoleArgs args;
    args.dllPath = KV_USERLOG_DLL;
    args.kdlog = TestLog();
#ifdef KV_HOST_CONSOLE_COMPILER_CALLS
    args.consoleCompilerCalls = true;
#endif
    std::string error;
    h->refData = std::make_unique<CSampleRefDataDir>();
    if (!h->refData->Error().empty()) {
      h->startError = h->refData->Error();
      return h;
    }
    if (!ParseSimConfig(kFarm, &args.config, &error) || !ParseGameLogRecords(TestGameLog(), &args.gamelog, &error) ||
        !ParseSiegeLog(TestSiegeLog(), &args.siegelog, &error) ||
        !ParseServerEventLog(TestServerEventLog(), &args.serverevent, &error) || !h->console.Start(args, &error)) {
      h->startError = error;
      return h;
    }
    PumpFor(200);
    h->pageAtStart = VisiblePage(FindTabStrip(h->console.PluginWindow()));
    return h;
  }();
  return *host;
}

HWND ShowTab(size_t index) {
  HWND strip = FindTabStrip(Host().console.PluginWindow());
  auto captions = TabCaptions(kTestWorld);
  RECT r;
  if (!TabRect(strip, captions, index, &r)) return nullptr;
  HWND before = VisiblePage(strip);
  if (!ClickTab(strip, captions, index)) return nullptr;
  // A click on the tab already selected changes nothing on show.
  PumpUntil([&] { return VisiblePage(strip) && VisiblePage(strip) != before; }, 300);
  return VisiblePage(strip);
}

std::vector<std::pair<uint32_t, std::string>> PluginLines(size_t from) {
  std::vector<std::pair<uint32_t, std::string>> out;
  const auto& lines = Host().console.Log().Lines();
  for (size_t i = from; i < lines.size(); ++i) {
    if (!lines[i].fromConsole) out.emplace_back(lines[i].classWord, lines[i].text);
  }
  return out;
}
