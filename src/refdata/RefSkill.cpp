#include "refdata/RefSkill.h"

#include <cstring>

#include "refdata/RecordReader.h"

bool RefSkill::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  in.Skip(1);
  id = in.Int();
  in.Skip(2);  // column 3, the code name, is shown nowhere
  fallbackKey = in.Text();
  in.Skip(2);
  level = static_cast<int8_t>(in.Int());
  in.Skip(54);  // columns 8-61
  nameKey62 = in.Text();
  in.Skip(55);  // columns 63-117
  return in.Ok();
}

const char* RefSkill::GetNameKey() const { return strcmp(nameKey62, "xxx") == 0 ? fallbackKey : nameKey62; }

bool RefSkillMastery::Read(CRefDataParser& parser, CStringPool& pool) {
  CRecordReader in(parser, pool);
  id = in.Int();
  in.Skip(1);
  nameKey = in.Text();
  in.Skip(10);  // columns 3-12
  return in.Ok();
}
