#include "opslog/ServerEventTexts.h"

#include "base/CodeTable.h"
#include "base/Format.h"

namespace {

constexpr LogChoice kLogTypes[] = {
    {"Start!", 1},
    {"End!", 2},
    {"Completion", 3},
    {"Reward", 4},
};
static_assert(CodesAscend(kLogTypes), "log types sorted by code, each once");

const char* LogTypeText(uint8_t code) {
  const LogChoice* type = FindCodeRow(kLogTypes, code);
  return type ? type->text : "UnknownLogType";
}

const char kNameKeyPrefix[] = "SN_SERVER_EVENT_MISSION_";
const size_t kIdDigits = 9;

}  // namespace

ServerEventCells ServerEventRowCells(const ServerEventLogRow& row) {
  // The log id is shown as the signed number "%d" makes of it.
  return {FormatLine("%d", static_cast<int32_t>(row.logId)), LogTimeText(row.time), FormatLine("%d", row.serverEventId),
          LogTypeText(row.logType), FormatLine("%s", row.description.c_str())};
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
