#pragma once
// Where an item was before and after a logged event: the Storage, Slot From and Slot To
// texts of an item row, chosen by the record's operation and built from its slot numbers.
//
// Slot numbering of a character's own item space: 0-12 equipment, 13-111 the inventory
// (shown 1-99), chests in pages of 30, every other window counted from 1.
#include <string>

#include "gamelog/GameLogRecord.h"

class CGameRefData;

struct ItemLocationTexts {
  std::string storage;
  std::string slotFrom;
  std::string slotTo;
};

// The three texts of the record's operation; operations without a location leave all
// three empty. The reference data serves the trade goods test of shop rows.
ItemLocationTexts FormatItemLocation(const GameLogItemRecord& record, const CGameRefData& ref);

// A move inside one storage (operations 10 to 15), by the record's storage kind.
ItemLocationTexts FormatSameStorageMove(const GameLogItemRecord& record);

// Equipment slot 0-12 by name; any other slot "^2What's Up?^0".
const char* EquipSlotName(int slot);
// "%2d" of slot - 12 (inventory slot 13 is " 1"); no range check.
std::string InventorySlotText(int slot);
// "%2d" of slot + 1.
std::string OneBasedSlotText(int slot);
// "^4%2d^0 [Page: %d]": index on a page of 30 and the page, both from 1.
std::string ChestSlotPageText(int slot);
