#pragma once
// The siege and server event sample logs share one readable line form, fields
// separated by " | ":
//
//   # comment
//   <shard id> | <number> | <time> | <number> | <number> | <text>
//
// The time is "YYYY-MM-DD hh:mm:ss". Numbers are decimal or 0x-prefixed hexadecimal,
// at most 32 bits. The text runs to the end of the line and may hold "|", colour marks
// and "%"; each service says what the three numbers are.
#include <cstdint>
#include <string>
#include <vector>

#include "msg/LogTime.h"

struct SampleLogLine {
  uint16_t shardId = 0;
  uint32_t first = 0;
  LogTime time;
  uint32_t second = 0;
  uint32_t third = 0;
  std::string text;
  int number = 0;  // the line number in the file, for the services' own checks
};

// On failure error names the line and what is wrong.
bool ParseSampleLogLines(const std::string& text, std::vector<SampleLogLine>* lines, std::string* error);
