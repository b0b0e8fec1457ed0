#include "SampleLogLines.h"

#include <sstream>

#include "KDLogRecords.h"
#include "SimTextFile.h"
#include "base/Format.h"

namespace {

const char* ReadLine(const std::string& line, SampleLogLine* out) {
  std::vector<std::string> fields;
  size_t at = 0;
  std::string rest = line;
  if (!rest.empty() && rest.back() == '\r') rest.pop_back();
  // An empty text may lose its blank to an editor: "... | 0 |" ends the line.
  if (rest.size() >= 2 && rest.compare(rest.size() - 2, 2, " |") == 0) rest += ' ';
  for (int i = 0; i < 5; ++i) {
    size_t bar = rest.find(" | ", at);
    if (bar == std::string::npos) return "expected shard | number | time | number | number | text";
    fields.push_back(TrimField(rest.substr(at, bar - at)));
    at = bar + 3;
  }
  out->text = rest.substr(at);
  uint32_t shard = 0;
  if (!ReadUnsignedField(fields[0], 0xFFFF, &shard) || shard == 0) return "shard is not a number from 1 to 65535";
  out->shardId = static_cast<uint16_t>(shard);
  if (!ReadUnsignedField(fields[1], 0xFFFFFFFF, &out->first) ||
      !ReadUnsignedField(fields[3], 0xFFFFFFFF, &out->second) || !ReadUnsignedField(fields[4], 0xFFFFFFFF, &out->third))
    return "fields 2, 4 and 5 are 32-bit numbers";
  if (!ParseKDLogTime(fields[2].c_str(), &out->time)) return "time is not YYYY-MM-DD hh:mm:ss";
  if (out->text.size() > 1000) return "text longer than 1000 characters";
  return nullptr;
}

}  // namespace

bool ParseSampleLogLines(const std::string& text, std::vector<SampleLogLine>* lines, std::string* error) {
  lines->clear();
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string trimmed = TrimField(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    SampleLogLine parsed;
    parsed.number = number;
    if (const char* why = ReadLine(line, &parsed)) {
      *error = FormatString(kLineChars, "line %d: %s", number, why);
      return false;
    }
    lines->push_back(parsed);
  }
  return true;
}
