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
