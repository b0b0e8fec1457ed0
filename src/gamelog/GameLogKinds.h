#pragma once
// What a game log query asks for: the query kinds of the Category list and the options
// of the QueryOption list for each kind, in list order, and the list columns of each
// kind of answer row.
#include <cstddef>
#include <cstdint>

#include "base/CodeTable.h"
#include "base/ConstSpan.h"
#include "base/ListColumn.h"

enum GameLogKind : uint8_t {
  kGameLogKindNone = 0,
  kGameLogKindChar = 1,
  kGameLogKindItem = 2,
  kGameLogKindQuest = 3,
  kGameLogKindSerial = 4,  // "Item by Serial": answers fill a history box, not the list
};

// Options that change what the page sends.
enum : uint8_t {
  kCharOptionConsoleOp = 9,     // kind 1 "KDC Operation"
  kItemOptionByCodeName = 16,   // kind 2 "Query By Codename"
  kItemOptionConsoleOp = 17,    // kind 2 "KDC Operation"
};

// The four kinds, in list order.
ConstSpan<LogChoice> GameLogKinds();
// The options of kind 1 or 2; none for the other kinds.
ConstSpan<LogChoice> GameLogOptionsOf(uint8_t kind);

// The list columns of an answer of kind 1 or 3 (character rows) or 2 (item rows); none
// for the other kinds, which leave the columns as they are.
ConstSpan<ListColumn> GameLogColumnsOf(uint8_t kind);
// The columns of the serial history box ("Storage" is narrower there).
ConstSpan<ListColumn> SerialHistoryColumns();
