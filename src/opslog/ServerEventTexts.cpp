#include "opslog/ServerEventTexts.h"

#include <algorithm>

#include "base/Format.h"

namespace {

struct LogTypeName {
  uint8_t code;
  const char* name;
};

// Sorted by code.
const LogTypeName kLogTypes[] = {
    {1, "Start!"},
    {2, "End!"},
    {3, "Completion"},
    {4, "Reward"},
};

const char* LogTypeText(uint8_t code) {
  const LogTypeName* end = std::end(kLogTypes);
  const LogTypeName* at =
      std::lower_bound(std::begin(kLogTypes), end, code, [](const LogTypeName& t, uint8_t c) { return t.code < c; });
  return at != end && at->code == code ? at->name : "UnknownLogType";
}

const char kNameKeyPrefix[] = "SN_SERVER_EVENT_MISSION_";
const size_t kIdDigits = 9;

}  // namespace

ServerEventCells ServerEventRowCells(const ServerEventLogRow& row) {
  // The log id is shown as the signed number "%d" makes of it.
  return {FormatString(kLineChars, "%d", static_cast<int32_t>(row.logId)), LogTimeText(row.time),
          FormatString(kLineChars, "%d", row.serverEventId), LogTypeText(row.logType),
          FormatString(kLineChars, "%s", row.description.c_str())};
}

std::string ServerEventNameKey(int32_t id) {
  char digits[16];
  size_t n = FormatBounded(digits, sizeof digits, "%d", id);
  if (n > kIdDigits) return std::string();
  return kNameKeyPrefix + std::string(digits, n);
}

std::vector<ChoiceEntry> ServerEventEntries(const CGameRefData* data) {
  std::vector<ChoiceEntry> entries;
  if (!data) return entries;
  std::vector<const RefServerEventID*> events;
  data->GetServerEventList(events);
  for (const RefServerEventID* e : events) {
    std::string key = ServerEventNameKey(e->id);
    entries.push_back({key.empty() ? std::string() : data->GetText(key.c_str()), static_cast<uint32_t>(e->id)});
  }
  return entries;
}
