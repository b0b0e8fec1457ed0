#include "refdata/RefObj.h"

#include "refdata/RecordReader.h"

void RefObjCommon::ReadCommon(CRecordReader& in) {
  in.Skip(1);  // enabled: not tested for characters and items
  id = in.Int();
  codeName = in.Text();
  in.Skip(2);
  nameKey = in.Text();
  in.Skip(1);
  int32_t flag = in.Int();
  int32_t category = in.Int();
  int32_t typeClass = in.Int();
  int32_t group = in.Int();
  int32_t subgroup = in.Int();
  int32_t detail = in.Int();
  typeWord = MakeTypeWord(flag, category, typeClass, group, subgroup, detail);
  in.Skip(2);
  rarity = in.Int();
  in.Skip(41);  // columns 16-56
}

bool RefObjChar::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  ReadCommon(in);
  in.Skip(47);  // columns 57-103, the second type word among them
  return in.Ok();
}

bool RefObjItem::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  ReadCommon(in);
  in.Skip(103);  // columns 57-159
  return in.Ok();
}

bool IsRare(const RefObjItem& item) { return IsEquipment(item.typeWord) && item.rarity == 2; }
