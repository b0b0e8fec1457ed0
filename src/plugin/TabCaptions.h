#pragma once
// The captions of the four tabs, in tab order.
#include <cstddef>
#include <string>
#include <vector>

enum : size_t { kTabCount = 4 };

// "Kaldera", "Korvath Online - " with the console's first world (nothing after the dash
// when the world list is empty), "Siege Log", "ServerEvent Log"; each within 260
// characters.
std::vector<std::string> TabCaptions(const char* firstWorld);
