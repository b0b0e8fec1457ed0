#pragma once
// The stand-in console's directory as a small readable file, one entry a line:
//
//   # comment
//   world   <name>                              world list, in order
//   shard   <id> <manager service id> <name>    shard records
//   service <id> <state>                        service records (4 and 5 = running)
//
// Numbers are decimal; a name runs to the end of the line (at most 63 characters).
#include <cstdint>
#include <string>
#include <vector>

struct SimShard {
  uint16_t id = 0;
  uint16_t managerServiceId = 0;
  std::string name;
};

struct SimService {
  uint16_t id = 0;
  uint32_t state = 0;
};

struct SimConfig {
  std::vector<std::string> worlds;
  std::vector<SimShard> shards;
  std::vector<SimService> services;
};

// Parses the text; on failure error names the line and what is wrong.
bool ParseSimConfig(const std::string& text, SimConfig* config, std::string* error);
bool LoadSimConfig(const char* path, SimConfig* config, std::string* error);
