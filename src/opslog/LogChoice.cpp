#include "opslog/LogChoice.h"

#include "base/Format.h"
#include "msg/Console.h"

std::vector<ChoiceEntry> ShardEntries() {
  std::vector<ChoiceEntry> entries;
  for (const KDShardRecord* shard : ShardRecords())
    entries.push_back({FieldText(shard->name, sizeof shard->name), shard->id});
  return entries;
}
