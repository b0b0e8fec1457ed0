#include "SimConfig.h"

#include <cstdlib>
#include <sstream>

#include "SimTextFile.h"
#include "base/Format.h"

namespace {

enum : size_t { kNameMax = 63 };

// Reads a decimal number below or equal to max; false on anything else.
bool TakeNumber(std::istringstream& in, uint32_t max, uint32_t* value) {
  std::string word;
  if (!(in >> word) || word.empty() || word.size() > 10) return false;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
  }
  unsigned long v = strtoul(word.c_str(), nullptr, 10);
  if (v > max) return false;
  *value = static_cast<uint32_t>(v);
  return true;
}

bool TakeName(std::istringstream& in, std::string* name) {
  std::string rest;
  std::getline(in, rest);
  size_t b = rest.find_first_not_of(" \t");
  size_t e = rest.find_last_not_of(" \t\r");
  if (b == std::string::npos) return false;
  *name = rest.substr(b, e - b + 1);
  return name->size() <= kNameMax;
}

}  // namespace

bool ParseSimConfig(const std::string& text, SimConfig* config, std::string* error) {
  *config = SimConfig{};
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::istringstream in(line);
    std::string kind;
    if (!(in >> kind) || kind[0] == '#') continue;
    bool ok = false;
    uint32_t a = 0, b = 0;
    if (kind == "world") {
      std::string name;
      ok = TakeName(in, &name);
      if (ok) config->worlds.push_back(name);
    } else if (kind == "shard") {
      SimShard shard;
      ok = TakeNumber(in, 0xFFFF, &a) && TakeNumber(in, 0xFFFF, &b) && TakeName(in, &shard.name);
      shard.id = static_cast<uint16_t>(a);
      shard.managerServiceId = static_cast<uint16_t>(b);
      if (ok) config->shards.push_back(shard);
    } else if (kind == "service") {
      std::string extra;
      ok = TakeNumber(in, 0xFFFF, &a) && TakeNumber(in, 0xFFFFFFFFu, &b) && !(in >> extra);
      if (ok) config->services.push_back(SimService{static_cast<uint16_t>(a), b});
    }
    if (!ok) {
      *error = FormatString(kLineChars, "line %d: cannot read \"%s\"", number, line.c_str());
      return false;
    }
  }
  return true;
}

bool LoadSimConfig(const char* path, SimConfig* config, std::string* error) {
  return LoadSimTextFile(path, config, error, ParseSimConfig);
}
