#pragma once
// Texts of console edit records. When an operator edits a character through the
// console, the game servers log the edit with a short operation keyword in the
// record's position field and the edited values, joined by commas, in its text field
// (character event 199, item operation 99). Also the two small texts that
// parameter-keeper item lines need: the text key of a sub-object named by a FourCC
// code, and the code as four characters.
//
// Wire texts are read as zero-terminated texts, as they are shown with "%s": bytes
// after a zero byte take no part in matching or splitting.
#include <cstdint>
#include <string>
#include <vector>

#include "gamelog/GameLogRecord.h"

class CGameRefData;

// The operation title of a keyword: "Invalid Operation Keyword" when it is shorter
// than three characters, the empty text when no title matches.
std::string ConsoleOpTitle(const std::string& keyword);

// Replaces *description by the layout of the record's keyword (the whole position
// field "MCP", "MCG", "MCK" or "MCS", built from the record's text); any other
// keyword leaves it alone. Fields missing from the text show empty.
void ConsoleOpDescription(const GameLogCharRecord& record, std::string* description);

// The text key of sub-object id of the kind that fourcc names (item, quest, skill);
// "Unknown " (with the blank) for another code or a record the data lacks.
std::string SubObjectNameKey(const CGameRefData& ref, uint32_t id, uint32_t fourcc);

// The value's four bytes from the most significant one down, each zero byte as a blank.
std::string FourCCText(uint32_t value);

// The text cut at every comma: F0 up to the first comma, F1 up to the second, ...,
// the last field to the end. A text without a comma is one field.
std::vector<std::string> CommaFields(const std::string& text);
