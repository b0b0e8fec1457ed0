#include "refdata/RefServerEventID.h"

#include "refdata/RecordReader.h"

bool RefServerEventID::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  id = in.Int();
  return in.Ok();
}
