#pragma once
// Object records: characters (104 columns) and items (160 columns), both starting
// with the 57 common columns. Only what the log texts use is kept.
#include <cstddef>
#include <cstdint>

#include "refdata/ObjTypeWord.h"
#include "refdata/RefDataParser.h"
#include "refdata/RefIdKey.h"
#include "refdata/StringPool.h"

class CRecordReader;

// id: column 1.
class RefObjCommon : public RefIdKey {
 public:
  const char* codeName = "";     // column 2
  const char* nameKey = "";      // column 5: text key of the display name
  int32_t rarity = 0;            // column 15: 2 marks a rare item
  uint16_t typeWord = 0;         // columns 7-12

  // Bytes of the number fields kept (the texts are counted by their pool).
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t) * 2 + sizeof(uint16_t);

 protected:
  // Columns 0-56; the caller's reader tells whether they were all there.
  void ReadCommon(CRecordReader& in);
};

class RefObjChar : public RefObjCommon {
 public:
  bool Read(CRefDataParser& parser, CStringPool& pool);
};

class RefObjItem : public RefObjCommon {
 public:
  bool Read(CRefDataParser& parser, CStringPool& pool);
};

// An equipment item whose rarity is 2.
bool IsRare(const RefObjItem& item);
