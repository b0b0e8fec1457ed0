#include "msg/Console.h"

#include "base/Format.h"

namespace {
// The shard records of the directory's shard list, in the console's order.
std::vector<const KDShardRecord*> ShardRecords() {
  // A farm has a few dozen shards; the bound keeps a broken list from running forever.
  const size_t kMostShards = 65536;
  std::vector<const KDShardRecord*> shards;
  IKDDirectory* dir = Console().directory;
  KDList* list = dir ? dir->GetShardList() : nullptr;
  if (!list || !list->sentinel) return shards;
  for (KDListNode* n = list->sentinel->next; n && n != list->sentinel && shards.size() < kMostShards; n = n->next) {
    if (n->element) shards.push_back(static_cast<const KDShardRecord*>(n->element));
  }
  return shards;
}
}  // namespace

ConsoleLinks& Console() {
  static ConsoleLinks links;
  return links;
}

KDShardRecord* FindShardRecord(uint16_t shardId) {
  IKDDirectory* dir = Console().directory;
  return dir ? dir->FindShard(shardId) : nullptr;
}

std::vector<ChoiceEntry> ShardEntries() {
  std::vector<ChoiceEntry> entries;
  for (const KDShardRecord* shard : ShardRecords())
    entries.push_back({FieldText(shard->name, sizeof shard->name), shard->id});
  return entries;
}

const char* FirstWorldName() {
  IKDDirectory* dir = Console().directory;
  KDList* list = dir ? dir->GetWorldList() : nullptr;
  if (!list || !list->sentinel) return nullptr;
  KDListNode* first = list->sentinel->next;
  if (!first || first == list->sentinel || !first->element) return nullptr;
  return static_cast<const KDWorldEntry*>(first->element)->name;
}
