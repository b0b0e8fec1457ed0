#pragma once
// Column layouts of the reference files as the generator writes them: how many columns a
// line of each kind holds, what sort of value sits in each column (so that columns the
// readable source leaves out get a plausible value) and which columns form the key.
#include <string>
#include <vector>

enum class RefKind {
  kObjItem,
  kObjChar,
  kSkill,
  kSkillMastery,
  kQuest,
  kMagicOption,
  kMagicOptAssign,
  kLevelExpOffset,
  kSiegeFortress,
  kServerEventID,
  kText,
};

enum class ColumnType {
  kInt,    // integer read by the loader
  kFloat,  // 32-bit float read by the loader
  kText,   // text read by the loader; unused texts read "xxx" in the game's exports
  kBlank,  // text usually left empty (the language columns of text files)
  kSkip,   // present but dropped by the loader
};

struct RefLayout {
  RefKind kind;
  const char* name;
  std::vector<ColumnType> types;         // one per column
  std::vector<std::string> defaults;     // one per column
  std::vector<int> keyColumns;           // together they identify a line
};

const RefLayout& LayoutOf(RefKind kind);

// The text files: key in column 1, display text in column 8.
enum : int { kTextKeyColumn = 1, kTextValueColumn = 8 };
