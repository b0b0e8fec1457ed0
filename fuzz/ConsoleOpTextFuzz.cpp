// Console edit records as a shard might send them: any operation keyword and any text,
// zero bytes included. The input is the keyword's length (one byte), the keyword, then
// the text. The text splits into fields at every comma of what "%s" shows of it (up to
// its first zero), losing and adding nothing; the first-comma split agrees with the
// fields; bytes after a zero change no title and no layout; a layout shows its first
// field as a text, never as a format; and the whole character row and item row built
// from the record stay within their line buffers.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Format.h"
#include "gamelog/CharEventText.h"
#include "gamelog/ConsoleOpText.h"
#include "gamelog/ItemEventText.h"
#include "gamelog/ItemTextPieces.h"
#include "refdata/KV_GameRefData.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

std::string Shown(const std::string& text) { return text.substr(0, text.find('\0')); }

void CheckFields(const std::string& text) {
  const std::string shown = Shown(text);
  const std::vector<std::string> fields = CommaFields(text);
  Check(fields.size() == static_cast<size_t>(std::count(shown.begin(), shown.end(), ',')) + 1);
  std::string joined;
  for (size_t i = 0; i < fields.size(); ++i) {
    Check(fields[i].find(',') == std::string::npos && fields[i].find('\0') == std::string::npos);
    joined += (i ? "," : "") + fields[i];
  }
  Check(joined == shown);

  const TextSplit split = SplitAtFirst(text, ',');
  if (fields.size() == 1) {
    Check(split.before.empty() && split.after.empty());
  } else {
    Check(split.before == fields[0]);
    Check(split.before + "," + split.after == shown);
  }
}

// The layout's text for the record, or `kept` when its keyword has none.
std::string Layout(const GameLogCharRecord& record, const std::string& kept) {
  std::string description = kept;
  ConsoleOpDescription(record, &description);
  return description;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t keywordSize = std::min<size_t>(data[0], size - 1);
  GameLogCharRecord record;
  record.eventId = 199;
  record.position.assign(reinterpret_cast<const char*>(data + 1), keywordSize);
  record.text.assign(reinterpret_cast<const char*>(data + 1 + keywordSize), size - 1 - keywordSize);
  CheckFields(record.text);

  const std::string keyword = Shown(record.position);
  const std::string title = ConsoleOpTitle(record.position);
  Check(title == ConsoleOpTitle(keyword));

  const char kKept[] = "kept";
  const std::string description = Layout(record, kKept);
  GameLogCharRecord shown = record;
  shown.position = keyword;
  shown.text = Shown(record.text);
  Check(description == Layout(shown, kKept));
  Check(description.size() < kLineChars);
  const bool laidOut = keyword == "MCP" || keyword == "MCG" || keyword == "MCK" || keyword == "MCS";
  Check(laidOut != (description == kKept));
  if (laidOut) {
    // Each layout starts with the first field (the guild's after "GuildName "), cut only
    // by the line's end.
    const std::string first = (keyword == "MCG" ? "GuildName " : "") + CommaFields(record.text)[0];
    const size_t n = std::min(first.size(), description.size());
    Check(description.compare(0, n, first, 0, n) == 0);
  }

  // The whole rows: a character edit (event 199) and an item edit (operation 99).
  static const CGameRefData* const kNoReferences = new CGameRefData;
  const CharEventCells cells = FormatCharEvent(record, *kNoReferences);
  for (const std::string& cell : cells) Check(cell.size() < kLineChars);
  Check(cells[kCharEventName] == "KDC");
  Check(cells[kCharEventPosition] == (title.empty() ? "^3###^0" : title.substr(0, kLineChars - 1)));
  Check(cells[kCharEventDescription] == (laidOut ? description : shown.text.substr(0, kLineChars - 1)));

  GameLogItemRecord item;
  item.operation = 99;
  item.position = record.position;
  item.text = record.text;
  for (const std::string& cell : FormatItemEvent(item, *kNoReferences)) Check(cell.size() < kLineChars);
  return 0;
}
