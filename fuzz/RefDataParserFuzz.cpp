// Reference file parsing over arbitrary text. The input becomes a UTF-16 file (each
// byte one code unit, or the bytes taken as code units directly); the converted text
// is then read token by token, by skips and reads mixed, line by line, as records and
// as a text table. Every result is checked against a plain model of the token and line
// syntax, so a fast path that counts or cuts differently shows up, not only crashes.
// The fuzz build reads files in small slices, so that the parsers go on from one piece
// of converted text to the next many times an input.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "base/AssertReport.h"
#include "refdata/LineParser.h"
#include "refdata/RefDataLoad.h"
#include "refdata/RefDataParser.h"
#include "refdata/RefDataParser2.h"
#include "refdata/RefDataText.h"
#include "refdata/RefLevelExpOffset.h"
#include "refdata/RefMagicOption.h"
#include "refdata/RefObj.h"
#include "refdata/RefQuest.h"
#include "refdata/RefServerEventID.h"
#include "refdata/RefSiegeFortress.h"
#include "refdata/RefSkill.h"
#include "refdata/TextTable.h"

namespace {

typedef std::vector<std::string> Strings;

Strings ModelTokens(const char* p) {
  Strings out;
  if (!*p) return out;
  for (;;) {
    const char* q = p;
    while (*q && *q != '\t' && !(*q == '\r' && q[1] == '\n')) ++q;
    out.emplace_back(p, q);
    if (!*q) break;
    p = q + (*q == '\t' ? 1 : 2);
    if (!*p) break;
  }
  return out;
}

std::vector<Strings> ModelLines(const char* p, size_t maxColumns) {
  std::vector<Strings> lines;
  while (*p) {
    const char* q = p;
    while (*q && !(*q == '\r' && q[1] == '\n')) ++q;
    std::string line(p, q);
    if (*q) line += "\r\n";
    Strings columns = ModelTokens(line.c_str());
    if (columns.size() > maxColumns) columns.resize(maxColumns);
    lines.push_back(columns);
    p = *q ? q + 2 : q;
  }
  return lines;
}

// The whole converted text, piece by piece as the parsers take it.
bool WholeText(const char* path, std::string* text) {
  CRefText window;
  if (!window.Open(path)) return false;
  for (;;) {
    text->append(window.Data(), window.Size());
    if (window.Complete()) return !window.ReadFailed();
    window.Refill(window.Ready());
  }
}

void Check(bool condition, const char* what) {
  if (!condition) {
    fprintf(stderr, "mismatch: %s\n", what);
    abort();
  }
}

bool OkBox(const char*) { return true; }
bool NoDebugger() { return false; }

char g_folder[] = "/tmp/kv_refdata_fuzz_XXXXXX";
void RemoveFolder() { rmdir(g_folder); }

const std::string& FilePath() {
  static const std::string path = [] {
    if (!mkdtemp(g_folder)) abort();
    atexit(RemoveFolder);
    AssertionUi ui;
    ui.showBox = OkBox;
    ui.debuggerAttached = NoDebugger;
    SetAssertionUi(&ui);
    // The backslash is the module's folder separator; the file reader maps it.
    return std::string(g_folder) + "\\Fuzz.txt";
  }();
  return path;
}

template <class T>
void LoadRecords(const char* path, const Strings& tokens, size_t columns) {
  CRefTable<T> table;
  CRefDataParser parser;
  bool loaded = LoadRefDataFile(path, table, parser);
  Check(loaded == (tokens.size() % columns == 0), "a file loads exactly when its tokens fill whole records");
  Check(table.Size() <= tokens.size() / columns, "no more records than complete ones");
  const std::vector<T>& records = table.Records();
  for (size_t i = 1; i < records.size(); ++i) Check(records[i - 1].Key() < records[i].Key(), "keys ascend");
  for (const T& record : records) Check(table.Find(record.Key()) == &record, "found by key");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string& path = FilePath();
  const uint8_t mode = data[0];
  const uint8_t* body = data + 1;
  size_t bodySize = size - 1;

  std::string file = "\xFF\xFE";
  if (mode & 1) {
    file.append(reinterpret_cast<const char*>(body), bodySize);
  } else {
    for (size_t i = 0; i < bodySize; ++i) {
      file += static_cast<char>(body[i]);
      file += '\0';
    }
  }
  std::string posixPath = path;
  posixPath[posixPath.rfind('\\')] = '/';
  FILE* out = fopen(posixPath.c_str(), "wb");
  if (!out) abort();
  fwrite(file.data(), 1, file.size(), out);
  fclose(out);

  std::string text;
  if (!WholeText(path.c_str(), &text)) {
    CRefDataParser parser;
    Check(!parser.Open(path.c_str()), "a text that converts to nothing is missing");
    remove(posixPath.c_str());
    return 0;
  }
  const Strings tokens = ModelTokens(text.c_str());

  {
    CRefDataParser parser;
    Check(parser.Open(path.c_str()), "open");
    for (const std::string& token : tokens) {
      Check(!parser.Exhausted(), "exhausted early");
      bool ok = false;
      const char* got = parser.GetString(ok);
      Check(ok && token == got, "token by token");
    }
    Check(parser.Exhausted(), "exhausted at the end");
    bool ok = true;
    Check(*parser.GetString(ok) == '\0' && !ok, "no token after the end");
  }

  {
    // Skips of input-chosen lengths between single reads.
    CRefDataParser parser;
    Check(parser.Open(path.c_str()), "open");
    size_t at = 0;
    for (size_t i = 0; i < bodySize && at <= tokens.size(); ++i) {
      int count = body[i] % 24;
      bool ok = false;
      parser.SkipTokens(count, ok);
      if (count == 0) {
        Check(ok, "skipping nothing");
      } else {
        Check(ok == (at + count <= tokens.size()), "skip reports whether the tokens were there");
        at = std::min(at + count, tokens.size());
      }
      Check(parser.Exhausted() == (at == tokens.size()), "skip leaves the cursor where reading would");
      const char* got = parser.GetString(ok);
      if (at < tokens.size()) {
        Check(ok && tokens[at] == got, "read after a skip");
        ++at;
      } else {
        Check(!ok, "read after the end");
        break;
      }
    }
  }

  {
    size_t maxColumns = (mode >> 1) % 12;
    if (maxColumns == 11) maxColumns = ~size_t(0);
    const std::vector<Strings> lines = ModelLines(text.c_str(), maxColumns);
    CRefDataParser2 parser;
    Check(parser.Open(path.c_str()), "open");
    for (const Strings& columns : lines) {
      const CLineParser* line = parser.ReadLine(maxColumns);
      Check(line && line->Columns() == columns.size(), "line columns");
      for (size_t c = 0; c < columns.size(); ++c) Check(columns[c] == line->Find(static_cast<uint32_t>(c)), "column");
      Check(!line->Find(static_cast<uint32_t>(columns.size())), "no column past the line");
    }
    Check(!parser.ReadLine(maxColumns), "no line after the end");
  }

  switch ((mode >> 5) % 6) {
    case 0: LoadRecords<RefServerEventID>(path.c_str(), tokens, 1); break;
    case 1: LoadRecords<RefQuest>(path.c_str(), tokens, 11); break;
    case 2: LoadRecords<RefSiegeFortress>(path.c_str(), tokens, 14); break;
    case 3: LoadRecords<RefLevelExpOffset>(path.c_str(), tokens, 9); break;
    case 4: LoadRecords<RefMagicOptAssign>(path.c_str(), tokens, 29); break;
    case 5: {
      std::map<std::string, std::string> model;
      std::string key, value;
      for (const Strings& columns : ModelLines(text.c_str(), 9)) {
        if (columns.size() > 1) key = columns[1];
        if (columns.size() > 8) value = columns[8];
        model.emplace(key, value);
      }
      CTextTable table;
      CRefDataParser2 lines;
      Check(LoadTextFile(path.c_str(), table, lines), "text file loads");
      Check(table.Size() == model.size(), "one entry per key");
      for (const auto& entry : model) {
        const char* found = table.Find(entry.first.c_str());
        Check(found && entry.second == found, "first text of a key");
      }
      break;
    }
  }
  remove(posixPath.c_str());
  return 0;
}
