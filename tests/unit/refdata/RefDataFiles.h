#pragma once
// Test fixtures for reference files: a scratch folder that is the current directory
// while it lives, UTF-16 file writing, rows of every record kind, the assertion boxes a
// load shows; and the log capture.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/LogCapture.h"

// UTF-16LE bytes of a UTF-8 text, with the byte-order mark in front when asked.
std::string Utf16Le(const std::string& utf8, bool bom = true);

// The whole text of a reference file, converted piece by piece as the parsers take it;
// false when the file counts as missing or cannot be read to its end.
bool ReadWholeRefText(const char* path, std::string* text);

// TAB-joined columns ending in CR LF.
std::string Row(const std::vector<std::string>& columns);

// A row of `columns` columns, "0" except the values given by column index.
std::string KindRow(int columns, std::initializer_list<std::pair<int, std::string>> values);

// Rows of each kind with the columns the module reads set and the rest "0".
std::vector<std::string> ObjColumns(int columns, int32_t id, const std::string& codeName,
                                    const std::string& nameKey, std::initializer_list<int> typeParts = {0, 0, 3, 1, 0, 0},
                                    int rarity = 0);
std::string ItemRow(int32_t id, const std::string& codeName, const std::string& nameKey,
                    std::initializer_list<int> typeParts = {0, 0, 3, 1, 0, 0}, int rarity = 0);
std::string CharRow(int32_t id, const std::string& codeName, const std::string& nameKey,
                    std::initializer_list<int> typeParts = {0, 1, 1, 2, 3, 2});
std::string SkillRow(int32_t id, const std::string& col4, const std::string& col62, int level = 1);
std::string MasteryRow(int32_t id, const std::string& nameKey);
std::string QuestRow(int32_t id, const std::string& codeName);
std::string MagicOptAssignRow(int part1, int part2, int part3);
std::string FortressRow(int enabled, int32_t id, const std::string& codeName);
std::string TextRow(const std::string& key, const std::string& text);

// A temporary folder with a "KV_GameRefData" folder in it, made the current directory
// for the fixture's lifetime (the loaders read relative paths).
class CScratchDir {
 public:
  CScratchDir();
  ~CScratchDir();
  CScratchDir(const CScratchDir&) = delete;
  CScratchDir& operator=(const CScratchDir&) = delete;

  // name is relative to "KV_GameRefData"; the text is written as UTF-16 with the mark.
  void Write(const std::string& name, const std::string& utf8) const;
  void WriteBytes(const std::string& name, const std::string& bytes) const;
  void Remove(const std::string& name) const;
  // All thirteen files, valid, with a few records each (see the .cpp for contents).
  void WriteCompleteSet() const;

 private:
  std::string m_previous;
  std::string m_root;
};

// The assertion boxes shown while it lives, each answered OK with no debugger attached,
// so that a load goes on past its report.
class CAssertionBoxes {
 public:
  CAssertionBoxes();
  ~CAssertionBoxes();
  CAssertionBoxes(const CAssertionBoxes&) = delete;
  CAssertionBoxes& operator=(const CAssertionBoxes&) = delete;

  static std::vector<std::string>& Texts();
};
