// Reference file parsing over arbitrary text. The input becomes a UTF-16 file (each
// byte one code unit, or the bytes taken as code units directly); the text it converts
// to is then read token by token, by skips and reads mixed, line by line, as records and
// as a text table. Every result is checked against a plain model of the token and line
// syntax, so a fast path that counts or cuts differently shows up, not only crashes.
// The file is served from memory through the reader the parsers open files with, so
// that no input touches the disk; the fuzz build reads it in small slices, so that the
// parsers go on from one piece of converted text to the next many times an input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/AnsiText.h"
#include "base/AssertReport.h"
#include "base/MemoryFileReader.h"
#include "refdata/LineParser.h"
#include "refdata/RefDataLoad.h"
#include "refdata/RefDataParser.h"
#include "refdata/RefDataParser2.h"
#include "refdata/RefLevelExpOffset.h"
#include "refdata/RefMagicOption.h"
#include "refdata/RefObj.h"
#include "refdata/RefQuest.h"
#include "refdata/RefServerEventID.h"
#include "refdata/RefSiegeFortress.h"
#include "refdata/RefSkill.h"
#include "refdata/TextTable.h"

namespace {

// Tokens and columns as views into the converted text: the model makes no copies, and
// its vectors keep their room from one input to the next.
typedef std::vector<std::string_view> Strings;

// Appends the tokens of [p, end), at most `most`: TAB and CR LF end a token; a separator
// at the very end starts no further one.
void AppendTokens(const char* p, const char* end, size_t most, Strings* out) {
  for (size_t n = 0; p < end && n < most; ++n) {
    const char* q = p;
    while (q < end && *q != '\t' && !(*q == '\r' && q + 1 < end && q[1] == '\n')) ++q;
    out->emplace_back(p, static_cast<size_t>(q - p));
    if (q == end) break;
    p = q + (*q == '\t' ? 1 : 2);
  }
}

// The text as the parsers see it: up to its first zero.
const char* TextEnd(const std::string& text) { return text.c_str() + strlen(text.c_str()); }

// Line i's columns are columns[ends[i - 1]] up to columns[ends[i]].
struct Lines {
  Strings columns;
  std::vector<size_t> ends;

  size_t Count() const { return ends.size(); }
  size_t First(size_t i) const { return i ? ends[i - 1] : 0; }
  size_t Columns(size_t i) const { return ends[i] - First(i); }
  std::string_view Column(size_t i, size_t c) const { return columns[First(i) + c]; }
};

void ModelLines(const std::string& text, size_t maxColumns, Lines* lines) {
  lines->columns.clear();
  lines->ends.clear();
  const char* end = TextEnd(text);
  for (const char* p = text.c_str(); p < end;) {
    const char* q = p;
    while (q < end && !(*q == '\r' && q + 1 < end && q[1] == '\n')) ++q;
    const char* next = q < end ? q + 2 : q;
    AppendTokens(p, next, maxColumns, &lines->columns);
    lines->ends.push_back(lines->columns.size());
    p = next;
  }
}

bool Same(std::string_view model, const char* got) { return got && model == got; }

// The loaders' own path form; the memory reader serves the input under it.
const char kPath[] = "KV_GameRefData\\Fuzz.txt";

CMemoryFileReader& Files() {
  static CMemoryFileReader files;
  return files;
}

// The whole text converted in one piece: the parsers' window, converting a slice at a
// time, must give the same.
void WholeText(const std::string& file, std::string* text) {
  const size_t units = (file.size() - 2) / 2;
  text->resize(units * AnsiBytesPerUnit());
  size_t written = 0;
  if (!ConvertUtf16ToAnsiInto(file.data() + 2, units, &(*text)[0], &written)) abort();
  text->resize(written);
}

void Check(bool condition, const char* what) {
  if (!condition) {
    fprintf(stderr, "mismatch: %s\n", what);
    abort();
  }
}

bool OkBox(const char*) { return true; }
bool NoDebugger() { return false; }

template <class T>
void LoadRecords(const Strings& tokens, size_t columns) {
  CRefTable<T> table;
  CRefDataParser parser;
  parser.ReadFrom(&Files());
  bool loaded = LoadRefDataFile(kPath, table, parser);
  Check(loaded == (tokens.size() % columns == 0), "a file loads exactly when its tokens fill whole records");
  Check(table.Size() <= tokens.size() / columns, "no more records than complete ones");
  const std::vector<T>& records = table.Records();
  for (size_t i = 1; i < records.size(); ++i) Check(records[i - 1].Key() < records[i].Key(), "keys ascend");
  for (const T& record : records) Check(table.Find(record.Key()) == &record, "found by key");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  AssertionUi ui;
  ui.showBox = OkBox;
  ui.debuggerAttached = NoDebugger;
  SetAssertionUi(&ui);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t mode = data[0];
  const uint8_t* body = data + 1;
  size_t bodySize = size - 1;

  // Kept from input to input, with their room.
  static std::string file, text;
  static Strings tokens;
  static Lines lines;

  file.assign("\xFF\xFE");
  if (mode & 1) {
    file.append(reinterpret_cast<const char*>(body), bodySize);
  } else {
    file.resize(2 + 2 * bodySize);
    for (size_t i = 0; i < bodySize; ++i) {
      file[2 + 2 * i] = static_cast<char>(body[i]);
      file[3 + 2 * i] = '\0';
    }
  }
  Files().Serve(kPath, file.data(), file.size());

  WholeText(file, &text);
  if (text.empty()) {
    CRefDataParser parser;
    parser.ReadFrom(&Files());
    Check(!parser.Open(kPath), "a text that converts to nothing is missing");
    return 0;
  }
  tokens.clear();
  AppendTokens(text.c_str(), TextEnd(text), ~size_t(0), &tokens);

  {
    CRefDataParser parser;
    parser.ReadFrom(&Files());
    Check(parser.Open(kPath), "open");
    for (std::string_view token : tokens) {
      Check(!parser.Exhausted(), "exhausted early");
      bool ok = false;
      const char* got = parser.GetString(ok);
      Check(ok && Same(token, got), "token by token");
    }
    Check(parser.Exhausted(), "exhausted at the end");
    bool ok = true;
    Check(*parser.GetString(ok) == '\0' && !ok, "no token after the end");
  }

  {
    // Skips of input-chosen lengths between single reads.
    CRefDataParser parser;
    parser.ReadFrom(&Files());
    Check(parser.Open(kPath), "open");
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
        Check(ok && Same(tokens[at], got), "read after a skip");
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
    ModelLines(text, maxColumns, &lines);
    CRefDataParser2 parser;
    parser.ReadFrom(&Files());
    Check(parser.Open(kPath), "open");
    for (size_t i = 0; i < lines.Count(); ++i) {
      const CLineParser* line = parser.ReadLine(maxColumns);
      const size_t columns = lines.Columns(i);
      Check(line && line->Columns() == columns, "line columns");
      for (size_t c = 0; c < columns; ++c) Check(Same(lines.Column(i, c), line->Find(static_cast<uint32_t>(c))), "column");
      Check(!line->Find(static_cast<uint32_t>(columns)), "no column past the line");
    }
    Check(!parser.ReadLine(maxColumns), "no line after the end");
  }

  switch ((mode >> 5) % 6) {
    case 0: LoadRecords<RefServerEventID>(tokens, 1); break;
    case 1: LoadRecords<RefQuest>(tokens, 11); break;
    case 2: LoadRecords<RefSiegeFortress>(tokens, 14); break;
    case 3: LoadRecords<RefLevelExpOffset>(tokens, 9); break;
    case 4: LoadRecords<RefMagicOptAssign>(tokens, 29); break;
    case 5: {
      std::map<std::string, std::string> model;
      std::string_view key, value;
      ModelLines(text, 9, &lines);
      for (size_t i = 0; i < lines.Count(); ++i) {
        if (lines.Columns(i) > 1) key = lines.Column(i, 1);
        if (lines.Columns(i) > 8) value = lines.Column(i, 8);
        model.emplace(std::string(key), std::string(value));
      }
      CTextTable table;
      CRefDataParser2 parser;
      parser.ReadFrom(&Files());
      Check(LoadTextFile(kPath, table, parser), "text file loads");
      Check(table.Size() == model.size(), "one entry per key");
      for (const auto& entry : model) {
        const char* found = table.Find(entry.first.c_str());
        Check(Same(entry.second, found), "first text of a key");
      }
      break;
    }
  }
  return 0;
}
