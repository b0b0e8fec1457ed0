// The directory look-ups every page goes through, with the stand-in console's directory
// behind the console's interface.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "SimDirectory.h"
#include "msg/Console.h"

namespace {

class ConsoleTest : public ::testing::Test {
 protected:
  void TearDown() override { Console().directory = nullptr; }
};

TEST_F(ConsoleTest, shard_and_first_world_with_and_without_a_directory) {
  Console().directory = nullptr;
  EXPECT_EQ(FindShardRecord(1), nullptr);
  EXPECT_EQ(FirstWorldName(), nullptr);

  CSimDirectory empty(SimConfig{}, nullptr);
  Console().directory = &empty;
  EXPECT_EQ(FindShardRecord(1), nullptr);
  // The sentinel is no entry, whatever its element word holds.
  char stray[] = "\0Stray";
  empty.GetWorldList()->sentinel->element = stray;
  EXPECT_EQ(FirstWorldName(), nullptr) << "an empty world list";

  SimConfig config;
  config.worlds = {"Aster", "Morrow"};
  config.shards = {{1, 101, "Aster-Ember"}, {7, 107, "Aster-Frost"}};
  CSimDirectory directory(config, nullptr);
  Console().directory = &directory;
  EXPECT_STREQ(FirstWorldName(), "Aster");
  for (const SimShard& shard : config.shards) {
    KDShardRecord* record = FindShardRecord(shard.id);
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->name, shard.name.c_str());
    EXPECT_EQ(record->managerServiceId, shard.managerServiceId);
  }
  EXPECT_EQ(FindShardRecord(2), nullptr);

  // A first node that carries no entry names no world.
  directory.GetWorldList()->sentinel->next->element = nullptr;
  EXPECT_EQ(FirstWorldName(), nullptr);
}

TEST_F(ConsoleTest, shard_entries_in_the_console_s_order_with_names_read_within_their_field) {
  Console().directory = nullptr;
  EXPECT_TRUE(ShardEntries().empty());
  SimConfig config;
  config.shards = {{1, 101, "Velmora-Ember"}, {2, 102, "Aschfeld-Tide"}, {7, 107, "Velmora-Gale"}, {8, 108, "Korrin-Deep"}};
  CSimDirectory directory(config, nullptr);
  Console().directory = &directory;
  // A name that fills its 64 bytes holds no zero: it is read within them.
  memset(directory.FindShard(8)->name, 'N', sizeof(KDShardRecord::name));
  std::vector<std::string> texts;
  for (const ChoiceEntry& e : ShardEntries()) texts.push_back(e.text + "=" + std::to_string(e.data));
  EXPECT_EQ(texts, (std::vector<std::string>{"Velmora-Ember=1", "Aschfeld-Tide=2", "Velmora-Gale=7",
                                              std::string(64, 'N') + "=8"}));
}

}  // namespace
