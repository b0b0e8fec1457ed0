// The stand-in console's own parts: its directory file and records, the messenger's
// queue, the answer splits, the log pane's colour runs, the command line and the paths
// its log shows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "AnswerSplits.h"
#include "SimArgs.h"
#include "SimConfig.h"
#include "SimDirectory.h"
#include "SimMessenger.h"
#include "ShownPath.h"
#include "base/ByteOrder.h"
#include "msg/Console.h"

namespace {

const char kConfig[] =
    "# farm\n"
    "world Velmora\n"
    "world  Aschfeld Deep  \n"
    "shard 1 101 Velmora-Ember\n"
    "shard 65535 102 Tide\n"
    "service 101 4\n"
    "service 102 4294967295\n";

TEST(SimConfig, reads_worlds_shards_and_services) {
  SimConfig c;
  std::string error;
  ASSERT_TRUE(ParseSimConfig(kConfig, &c, &error)) << error;
  EXPECT_EQ(c.worlds, (std::vector<std::string>{"Velmora", "Aschfeld Deep"}));
  ASSERT_EQ(c.shards.size(), 2u);
  EXPECT_EQ(c.shards[1].id, 65535);
  EXPECT_EQ(c.shards[1].managerServiceId, 102);
  EXPECT_EQ(c.shards[0].name, "Velmora-Ember");
  ASSERT_EQ(c.services.size(), 2u);
  EXPECT_EQ(c.services[1].state, 4294967295u);
}

TEST(SimConfig, refuses_what_does_not_fit_the_records) {
  const std::string longName(64, 'n');
  for (std::string line : {std::string("shard 65536 1 Big"), std::string("shard 1 x Name"), std::string("shard 1 2"),
                           "shard 1 2 " + longName, std::string("service 1 4 extra"), std::string("service -1 4"),
                           std::string("world"), std::string("planet Mars")}) {
    SCOPED_TRACE(line);
    SimConfig c;
    std::string error;
    EXPECT_FALSE(ParseSimConfig("world W\n" + line + "\n", &c, &error));
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
  }
}

TEST(SimDirectory, records_and_lists_sit_where_the_plug_in_reads_them) {
  SimConfig c;
  std::string error;
  ASSERT_TRUE(ParseSimConfig(kConfig, &c, &error));
  CSimDirectory dir(c, nullptr);
  IKDDirectory* i = &dir;

  const uint8_t* shard = reinterpret_cast<const uint8_t*>(i->FindShard(1));
  ASSERT_NE(shard, nullptr);
  EXPECT_EQ(LoadLE16(shard), 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(shard + 4), "Velmora-Ember");
  EXPECT_EQ(LoadLE16(shard + 550), 101);
  EXPECT_EQ(i->FindShard(2), nullptr);

  const uint8_t* service = reinterpret_cast<const uint8_t*>(i->FindService(102));
  ASSERT_NE(service, nullptr);
  uint32_t state;
  memcpy(&state, service + 16, 4);
  EXPECT_EQ(state, 4294967295u);
  EXPECT_EQ(i->FindService(103), nullptr);

  // Walk as the plug-in does: from the sentinel's next back to the sentinel.
  std::vector<std::string> worlds;
  KDListNode* sentinel = i->GetWorldList()->sentinel;
  for (KDListNode* n = sentinel->next; n != sentinel; n = n->next) {
    EXPECT_EQ(n->next->prev, n);
    worlds.push_back(static_cast<const char*>(n->element) + 1);
  }
  EXPECT_EQ(worlds, c.worlds);
  std::vector<uint16_t> shards;
  sentinel = i->GetShardList()->sentinel;
  for (KDListNode* n = sentinel->next; n != sentinel; n = n->next)
    shards.push_back(static_cast<KDShardRecord*>(n->element)->id);
  EXPECT_EQ(shards, (std::vector<uint16_t>{1, 65535}));

  Console().directory = i;
  EXPECT_STREQ(FirstWorldName(), "Velmora");
  EXPECT_EQ(FindShardRecord(65535), i->FindShard(65535));
  Console().directory = nullptr;
}

TEST(SimDirectory, empty_world_list_is_a_lone_sentinel) {
  CSimDirectory dir(SimConfig{}, nullptr);
  KDListNode* sentinel = dir.GetWorldList()->sentinel;
  EXPECT_EQ(sentinel->next, sentinel);
  EXPECT_EQ(sentinel->prev, sentinel);
  Console().directory = &dir;
  EXPECT_EQ(FirstWorldName(), nullptr);
  Console().directory = nullptr;
}

TEST(SimMessenger, sent_records_wait_in_order_and_strangers_are_noted) {
  CSimLog log;
  int wakeUps = 0;
  CSimMessenger m(&log, [&] { ++wakeUps; });
  IKDMessenger* i = &m;
  CMsg* a = i->AllocMsg(0x7404);
  CMsg* b = i->AllocMsg(0x7203);
  EXPECT_EQ(GetID(a), 0x7404);
  EXPECT_EQ(a->m_ReadPos, 6);
  EXPECT_EQ(a->m_WritePos, 6);
  EXPECT_EQ(m.Unsent(), 2u);
  i->SendMsg(b);
  i->SendMsg(a);
  EXPECT_EQ(wakeUps, 2);
  EXPECT_EQ(m.Unsent(), 0u);
  EXPECT_EQ(GetID(m.TakeSent().get()), 0x7203);
  EXPECT_EQ(GetID(m.TakeSent().get()), 0x7404);
  EXPECT_EQ(m.TakeSent(), nullptr);

  CMsg stranger;
  stranger.Init(0x7404);
  i->SendMsg(&stranger);
  EXPECT_EQ(wakeUps, 2);
  EXPECT_EQ(m.SentWaiting(), 0u);
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_TRUE(log.Lines()[0].fromConsole);
  EXPECT_NE(i->GetNetwork(), nullptr);
}

TEST(AnswerSplits, parts_stay_within_a_record_and_vary) {
  AnswerSplits splits(7);
  std::vector<size_t> sizes;
  for (size_t payload : {size_t{0}, size_t{1}, size_t{4090}, size_t{4091}, size_t{40201}}) {
    SCOPED_TRACE(payload);
    std::vector<size_t> at = splits.Next(payload);
    size_t from = 0;
    for (size_t s : at) {
      EXPECT_GT(s, from);
      EXPECT_LT(s, payload);
      EXPECT_GE(s - from, 256u);
      EXPECT_LE(s - from, 4090u);
      sizes.push_back(s - from);
      from = s;
    }
    EXPECT_LE(payload - from, 4090u);
  }
  ASSERT_GE(sizes.size(), 10u);
  std::vector<size_t> offsets;  // where a 401-byte record (after 1+1 bytes) gets cut
  for (size_t s : sizes) offsets.push_back((s - 2) % 402);
  std::sort(offsets.begin(), offsets.end());
  EXPECT_GE(std::unique(offsets.begin(), offsets.end()) - offsets.begin(), 5) << "cuts land at varying offsets";
}

TEST(SimArgs, steps_keep_their_order_and_bad_values_are_refused) {
  SimArgs a;
  std::string error;
  ASSERT_TRUE(ParseSimArgs({"--dll", "x.dll", "--tab", "3", "--set", "1001=gm=1", "--query", "--wait-ms", "0",
                            "--screenshot", "a.bmp", "--quit", "--size", "800x600"},
                           &a, &error))
      << error;
  EXPECT_EQ(a.dll, "x.dll");
  EXPECT_EQ(a.width, 800);
  EXPECT_EQ(a.height, 600);
  ASSERT_EQ(a.steps.size(), 6u);
  EXPECT_EQ(a.steps[0].kind, SimStepKind::Tab);
  EXPECT_EQ(a.steps[0].number, 3);
  EXPECT_EQ(a.steps[1].number, 1001);
  EXPECT_EQ(a.steps[1].text, "gm=1");
  EXPECT_EQ(a.steps[2].kind, SimStepKind::Query);
  EXPECT_EQ(a.steps[4].text, "a.bmp");
  EXPECT_EQ(a.steps[5].kind, SimStepKind::Quit);

  ASSERT_TRUE(ParseSimArgs({"--gamelog", "g.txt", "--click", "1006", "--row", "0", "--menu", "1", "--box-click", "1000"},
                           &a, &error))
      << error;
  EXPECT_EQ(a.gamelog, "g.txt");
  ASSERT_EQ(a.steps.size(), 4u);
  EXPECT_EQ((std::vector<SimStepKind>{a.steps[0].kind, a.steps[1].kind, a.steps[2].kind, a.steps[3].kind}),
            (std::vector<SimStepKind>{SimStepKind::Click, SimStepKind::Row, SimStepKind::Menu, SimStepKind::BoxClick}));
  EXPECT_EQ((std::vector<int>{a.steps[0].number, a.steps[1].number, a.steps[2].number, a.steps[3].number}),
            (std::vector<int>{1006, 0, 1, 1000}));

  for (std::vector<std::string> bad :
       {std::vector<std::string>{"--tab", "4"}, {"--tab"}, {"--set", "abc"}, {"--set", "0=x"}, {"--wait-ms", "-5"},
        {"--size", "800"}, {"--bogus"}, {"--click", "0"}, {"--row", "-1"}, {"--menu", "0"}, {"--box-click", "x"},
        {"--gamelog"}}) {
    SCOPED_TRACE(bad[0]);
    EXPECT_FALSE(ParseSimArgs(bad, &a, &error));
    EXPECT_FALSE(error.empty());
  }
}

// The log shows where its sample files came from without the folders above the
// working folder: no log line, nor the guide's pictures of one, names the machine.
TEST(ShownPath, paths_read_from_the_working_folder_unless_on_another_drive) {
  const struct {
    const char* folder;
    const char* path;
    const char* shown;
  } cases[] = {
      {"Z:\\top\\build\\demo\\work", "Z:/top/build/win32/sim/game_log.txt", "..\\..\\win32\\sim\\game_log.txt"},
      {"Z:\\top\\sim", "Z:\\top\\sim\\KV_UserLog.dll", "KV_UserLog.dll"},
      {"Z:\\top", "Z:\\top\\sim\\console.cfg", "sim\\console.cfg"},
      {"C:\\users\\temp", "Z:\\top\\sim\\console.cfg", "Z:\\top\\sim\\console.cfg"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(PathSeenFrom(c.folder, c.path), c.shown);
  }
}

}  // namespace
