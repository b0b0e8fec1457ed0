#include "refdata/RefLevelExpOffset.h"

#include "refdata/RecordReader.h"

bool RefLevelExpOffset::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  level = static_cast<uint8_t>(in.Int());
  in.Skip(8);  // columns 1-8
  return in.Ok();
}
