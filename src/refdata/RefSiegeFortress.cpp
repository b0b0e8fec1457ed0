#include "refdata/RefSiegeFortress.h"

#include "refdata/RecordReader.h"

bool RefSiegeFortress::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  enabled = static_cast<int8_t>(in.Int());
  id = in.Int();
  codeName = in.Text();
  in.Skip(11);  // columns 3-13
  return in.Ok();
}
