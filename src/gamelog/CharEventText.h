#pragma once
// Texts of character and quest rows of the game log: one GameLogCharRecord becomes the
// four cells of a list row. The event identifier picks the event name and the rule for
// the description; the record's two numbers and its free text fill them, with skills,
// masteries, pets and quests named from the reference data. Every text carries the
// colour marks of the list and is built in a line buffer (cut at its end).
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "gamelog/GameLogRecord.h"

class CGameRefData;

// Event, Description, Position, Time: the final cell texts, to be written with "%s".
typedef std::array<std::string, 4> CharEventCells;
enum CharEventColumn : size_t { kCharEventName, kCharEventDescription, kCharEventPosition, kCharEventTime };

CharEventCells FormatCharEvent(const GameLogCharRecord& record, const CGameRefData& ref);

// 1 Trader, 2 Robber, 3 Hunter (colour-marked); any other value "No Activated Job".
const char* TrijobName(uint8_t job);

// The four bytes of an address from the lowest-order one up, each number in colour 4,
// so an address stored in network order reads in its usual dotted order.
std::string IPText(uint32_t address);

// "[None]" for 0, else "[Defense]", "[Offense]", "[Hit/Dodge]", "[Life]", "[Endurance]"
// for the bits 0x01 to 0x10 in that order; other bits add nothing.
std::string MercenaryFlagsText(uint8_t flags);

// "Used SP: ... (Remained SP: ...)" from the two sides of the text's first comma.
std::string SPPairText(const std::string& text);

// Experience percentages: the values themselves when both are below 100, else each read
// in thousandths of a percent and cut to tenths (12,345 becomes 12.3).
std::pair<double, double> ExpPercentPair(uint32_t d1, uint32_t d2);
