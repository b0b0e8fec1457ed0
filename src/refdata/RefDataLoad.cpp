#include "refdata/RefDataLoad.h"

#include <cstring>
#include <string>

#include "base/AssertReport.h"
#include "base/LogOutput.h"
#include "refdata/RefLevelExpOffset.h"
#include "refdata/RefMagicOption.h"
#include "refdata/RefObj.h"
#include "refdata/RefQuest.h"
#include "refdata/RefServerEventID.h"
#include "refdata/RefSiegeFortress.h"
#include "refdata/RefSkill.h"

template <class T>
bool LoadRefDataFile(const char* path, CRefTable<T>& table, CRefDataParser& parser) {
  if (!parser.Open(path)) {
    LogOutput(kLogRefusal, "RefData file : %s missing!", path);
    return false;
  }
  bool complete = true;
  while (!parser.Exhausted()) {
    T& record = table.Append();
    if (!record.Read(parser, table.Pool())) {
      table.DropLast();
      // An over-long token has its own message; the report is for data that ends early.
      if (!parser.TokenTooLong() && !ReportAssertion(894, "KV_GameRefData", "false")) {
        BreakIntoDebuggerIfAttached();
      }
      complete = false;
      break;
    }
  }
  table.Seal();
  return complete;
}

template <class T>
bool LoadRefDataList(const char* path, CRefTable<T>& table, CRefDataParser& parser) {
  CRefDataParser list;
  if (!list.Open(path)) {
    LogOutput(kLogDataError, "^2failed to load %s", path);
    return false;
  }
  std::string folder(path);
  size_t slash = folder.rfind('\\');
  folder.resize(slash == std::string::npos ? 0 : slash + 1);
  while (!list.Exhausted()) {
    bool ok = false;
    const char* name = list.GetString(ok);
    if (!ok) return false;  // an over-long name, reported by the parser
    std::string recordPath = folder + name;
    if (!LoadRefDataFile(recordPath.c_str(), table, parser)) {
      LogOutput(kLogDataError, "^2failed to load %s", recordPath.c_str());
      return false;
    }
  }
  return true;
}

bool LoadTextFile(const char* path, CTextTable& table, CRefDataParser2& parser) {
  if (!parser.Open(path)) {
    LogOutput(kLogRefusal, "Text RefData file %s missing!", path);
    return false;
  }
  // Lines are inserted a few lines behind reading, so that the table slot of each key
  // can be fetched from memory while the lines in between are read.
  struct Pending {
    const char* key;
    const char* text;
    size_t keyLength;
    size_t textLength;
    uint32_t hash;
  };
  enum { kAhead = 8 };
  Pending pending[kAhead];
  size_t lines = 0;
  Pending current = {"", "", 0, 0, CTextTable::Hash("", 0)};
  // Columns past 8 are never read: they are passed over unsplit.
  while (const CLineParser* line = parser.ReadLine(9)) {
    if (const char* column = line->Find(1)) {
      current.key = column;
      current.keyLength = line->Length(1);
      current.hash = CTextTable::Hash(column, current.keyLength);
    }
    if (const char* column = line->Find(8)) {
      current.text = column;
      current.textLength = line->Length(8);
    }
    Pending& slot = pending[lines % kAhead];
    if (lines >= kAhead && !table.Insert(slot.key, slot.keyLength, slot.hash, slot.text, slot.textLength)) {
      return false;
    }
    slot = current;
    table.Prefetch(current.hash);
    ++lines;
  }
  for (size_t i = lines > kAhead ? lines - kAhead : 0; i < lines; ++i) {
    const Pending& slot = pending[i % kAhead];
    if (!table.Insert(slot.key, slot.keyLength, slot.hash, slot.text, slot.textLength)) return false;
  }
  return !parser.LineTooLong();
}

template bool LoadRefDataFile(const char*, CRefTable<RefObjItem>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefObjChar>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefSkill>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefSkillMastery>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefQuest>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefMagicOption>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefMagicOptAssign>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefLevelExpOffset>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefSiegeFortress>&, CRefDataParser&);
template bool LoadRefDataFile(const char*, CRefTable<RefServerEventID>&, CRefDataParser&);
template bool LoadRefDataList(const char*, CRefTable<RefObjItem>&, CRefDataParser&);
template bool LoadRefDataList(const char*, CRefTable<RefObjChar>&, CRefDataParser&);
template bool LoadRefDataList(const char*, CRefTable<RefSkill>&, CRefDataParser&);
