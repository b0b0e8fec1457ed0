#include "refdata/RefDataLoad.h"

#include <algorithm>
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
      // An over-long token and a failed read have their own messages; the report is for
      // data that ends early.
      if (!parser.TokenTooLong() && !parser.ReadFailed() && !ReportAssertion(894, "KV_GameRefData", "false")) {
        BreakIntoDebuggerIfAttached();
      }
      complete = false;
      break;
    }
  }
  table.Seal();
  // A file that could not be read to its end is missing its rest.
  if (parser.ReadFailed()) {
    LogOutput(kLogRefusal, "RefData file : %s missing!", path);
    return false;
  }
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
  if (list.ReadFailed()) {
    LogOutput(kLogDataError, "^2failed to load %s", path);
    return false;
  }
  return true;
}

bool LoadTextFile(const char* path, CTextTable& table, CRefDataParser2& parser) {
  if (!parser.Open(path)) {
    LogOutput(kLogRefusal, "Text RefData file %s missing!", path);
    return false;
  }
  // Growing step by step would move every entry again and again.
  table.Reserve(table.Size() + parser.EstimatedLines());
  // Lines are inserted a few lines behind reading, so that the table slot of each key
  // can be fetched from memory while the lines in between are read. Until then their
  // key and text stay in the parser's text, found by offset: the text moves as it is
  // read on.
  constexpr size_t kEmpty = CRefDataParser2::kKeepNothing;  // the empty text, before any line has the column
  struct Pending {
    size_t key, text;  // offsets into the parser's text, or kEmpty
    size_t keyLength, textLength;
    uint32_t hash;
  };
  enum { kAhead = 8 };
  Pending pending[kAhead];
  size_t lines = 0;
  const Pending kStart = {kEmpty, kEmpty, 0, 0, CTextTable::Hash("", 0)};
  auto at = [&parser](size_t offset) { return offset == kEmpty ? "" : parser.Text() + offset; };
  auto insert = [&](const Pending& p) {
    return table.Insert(at(p.key), p.keyLength, p.hash, at(p.text), p.textLength);
  };
  // Columns past 8 are never read: they are passed over unsplit.
  for (;;) {
    // The text still needed starts at the oldest key and the oldest text not inserted
    // yet. A line takes what it lacks from the lines before, so once a line has both,
    // the lines after it hold nothing older; the lines before any key or text hold none.
    size_t keep = kEmpty;
    for (size_t i = lines > kAhead ? lines - kAhead : 0; i < lines; ++i) {
      const Pending& p = pending[i % kAhead];
      keep = std::min({keep, p.key, p.text});
      if (p.key != kEmpty && p.text != kEmpty) break;
    }
    const CLineParser* line = parser.ReadLine(9, keep);
    if (const size_t dropped = parser.Dropped()) {
      for (size_t i = 0; i < kAhead && i < lines; ++i) {
        if (pending[i].key != kEmpty) pending[i].key -= dropped;
        if (pending[i].text != kEmpty) pending[i].text -= dropped;
      }
    }
    if (!line) break;
    // A line starts from the key and text of the line before.
    Pending current = lines ? pending[(lines - 1) % kAhead] : kStart;
    if (const char* column = line->Find(1)) {
      current.key = static_cast<size_t>(column - parser.Text());
      current.keyLength = line->Length(1);
      current.hash = CTextTable::Hash(column, current.keyLength);
    }
    if (const char* column = line->Find(8)) {
      current.text = static_cast<size_t>(column - parser.Text());
      current.textLength = line->Length(8);
    }
    Pending& slot = pending[lines % kAhead];
    if (lines >= kAhead && !insert(slot)) return false;
    slot = current;
    table.Prefetch(current.hash);
    ++lines;
  }
  for (size_t i = lines > kAhead ? lines - kAhead : 0; i < lines; ++i) {
    if (!insert(pending[i % kAhead])) return false;
  }
  if (parser.ReadFailed()) {
    LogOutput(kLogRefusal, "Text RefData file %s missing!", path);
    return false;
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
