#pragma once
// Texts of item rows of the game log: one GameLogItemRecord becomes the nine cells of a
// list row, or the eight texts of a serial history line. The operation code picks the
// event name and the rule for the description; locations come from the location texts,
// the item name and attribute changes from the attribute texts. Every text carries the
// colour marks of the list and is at most one line buffer long (longer ones are cut).
#include <array>
#include <cstdint>
#include <string>

#include "gamelog/GameLogRecord.h"

class CGameRefData;

// The final cell texts, to be written with "%s".
typedef std::array<std::string, 9> ItemEventCells;
enum ItemEventColumn : size_t {
  kItemSerial,
  kItemOperation,
  kItemStorage,
  kItemSlotFrom,
  kItemSlotTo,
  kItemName,
  kItemDescription,
  kItemTime,
  kItemPosition,
};

// All nine texts; all nine empty for an abandoned line (an attribute stone record whose
// values should come from a text without its two "#"). An item without a reference
// sends one data-error log line.
ItemEventCells FormatItemEvent(const GameLogItemRecord& record, const CGameRefData& ref);

// One line of an item's serial history: the serial and the texts of columns 1 to 8.
struct SerialHistoryEntry {
  int64_t serial = 0;
  std::array<std::string, 8> texts;
};
SerialHistoryEntry MakeSerialHistoryEntry(const ItemEventCells& cells, int64_t serial);

// The reason of a gold change (operation 80) by code 1-41; null for any other code.
const char* GoldReasonText(uint32_t code);
