#include "msg/Console.h"

ConsoleLinks& Console() {
  static ConsoleLinks links;
  return links;
}

KDShardRecord* FindShardRecord(uint16_t shardId) {
  IKDDirectory* dir = Console().directory;
  return dir ? dir->FindShard(shardId) : nullptr;
}

const char* FirstWorldName() {
  IKDDirectory* dir = Console().directory;
  KDList* list = dir ? dir->GetWorldList() : nullptr;
  if (!list || !list->sentinel) return nullptr;
  KDListNode* first = list->sentinel->next;
  if (!first || first == list->sentinel || !first->element) return nullptr;
  return static_cast<const KDWorldEntry*>(first->element)->name;
}

std::vector<const KDShardRecord*> ShardRecords() {
  std::vector<const KDShardRecord*> shards;
  IKDDirectory* dir = Console().directory;
  KDList* list = dir ? dir->GetShardList() : nullptr;
  if (!list || !list->sentinel) return shards;
  // Shard identifiers are 16 bits wide: a longer walk means a list that never returns
  // to its sentinel, and the page must not hang on it.
  const size_t kMostShards = 0x10000;
  for (KDListNode* node = list->sentinel->next; node && node != list->sentinel && shards.size() < kMostShards;
       node = node->next) {
    if (node->element) shards.push_back(static_cast<const KDShardRecord*>(node->element));
  }
  return shards;
}
