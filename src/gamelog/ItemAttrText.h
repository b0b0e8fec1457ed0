#pragma once
// The ItemName text of item rows and the texts of attribute changes: reinforcement,
// magic stones, attribute stones and avatar options, with the names of magic options,
// avatar options and item variance stats.
#include <cstdint>
#include <string>

#include "gamelog/GameLogRecord.h"

class CGameRefData;
class RefObjItem;

// "^2name^0[^4code^0]" with "^2(RARE)^0" behind it for a rare item; empty for refItemId 0
// and operations 74 and 80. An item without a reference gives
// "^2??? Unknown Item RefID[id]^0" and one data-error log line.
std::string FormatItemName(const GameLogItemRecord& record, const CGameRefData& ref);

// Names by index: 32 magic options, 12 avatar options. An index past the table gives
// "Unknown Magic Option(n)" or "Unknown Avatar Option(n)".
std::string MagicAttrName(unsigned index);
std::string AvatarMagicAttrName(unsigned index);

// The variance stat of the item kind (armor, weapon, shield, accessory, tried in that
// order) at the index: empty for an item of none of these kinds, "Unknown Variance
// Stat(n)" for an index past its kind's table.
std::string ItemStatName(uint16_t typeWord, unsigned index);

// The description of operations 90, 130, 132, 133, 135 and 148 (any other operation
// leaves the record's text). item is the record's reference or null; without one the
// variance rule names the stat "Unregistered Item Stat(n)". False when the line is
// abandoned: an attribute stone record without data whose text lacks a "#" pair.
[[nodiscard]] bool FormatAttrChange(const GameLogItemRecord& record, const RefObjItem* item, std::string* description);

// A parameter keeper's text followed by ", ParamKeeper FourCC[^2" the data in signed
// decimal, ", " its four characters and "^0]"; the text alone when the data is 0.
std::string ParamKeeperText(const std::string& text, uint32_t data);
