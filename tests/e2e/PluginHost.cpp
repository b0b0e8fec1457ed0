#include "PluginHost.h"

#include <gtest/gtest.h>

#include "PluginWindows.h"
#include "plugin/TabCaptions.h"

const char kTestWorld[] = "Velmora";

namespace {

const char kFarm[] =
    "world Velmora\n"
    "world Aschfeld\n"
    "shard 1 101 Velmora-Ember\n"
    "service 101 4\n";

KDLogRecord Entry(const char* user, uint8_t category, const char* time, uint32_t fraction, const char* text) {
  KDLogRecord e;
  e.userName = user;
  e.category = category;
  ParseKDLogTime(time, &e.time);
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

class HostEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { Host().console.Stop(); }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

}  // namespace

HostedPlugin& Host() {
  static HostedPlugin* host = [] {
    auto* h = new HostedPlugin;
    SimConsoleArgs args;
    args.dllPath = KV_USERLOG_DLL;
    args.kdlog = TestLog();
    std::string error;
    if (!ParseSimConfig(kFarm, &args.config, &error) || !h->console.Start(args, &error)) {
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
