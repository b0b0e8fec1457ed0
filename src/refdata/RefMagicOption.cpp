#include "refdata/RefMagicOption.h"

#include "refdata/RecordReader.h"

bool RefMagicOption::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  in.Skip(1);
  id = in.Int();
  in.Skip(47);  // columns 2-48
  return in.Ok();
}

bool RefMagicOptAssign::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  in.Skip(1);
  uint32_t part1 = static_cast<uint8_t>(in.Int());
  uint32_t part2 = static_cast<uint8_t>(in.Int());
  uint32_t part3 = static_cast<uint8_t>(in.Int());
  key = part1 | part2 << 16 | part3 << 24;
  in.Skip(25);  // columns 4-28
  return in.Ok();
}
