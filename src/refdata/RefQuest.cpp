#include "refdata/RefQuest.h"

#include "refdata/RecordReader.h"

bool RefQuest::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  in.Skip(1);
  id = in.Int();
  codeName = in.Text();
  in.Skip(8);  // columns 3-10
  return in.Ok();
}

std::string RefQuest::GetNameKey() const { return std::string("SN_") + codeName; }
