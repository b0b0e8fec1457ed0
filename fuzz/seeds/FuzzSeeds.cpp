// fuzz_seeds: seed inputs for the fuzzers, made from the sample data so that a campaign
// starts from well-formed answers and files instead of noise.
//   fuzz_seeds <data dir> <sample KV_GameRefData dir> <out dir>
// Writes <out>/<fuzzer>/ for the fuzzers whose input layout it knows, and <out>/common/
// with every seed and the raw sample files, for fuzzers it does not know.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/ByteOrder.h"
#include "gamelog/GameLogRecord.h"
#include "opslog/KDLogAnswer.h"
#include "opslog/KDLogRecord.h"

namespace fs = std::filesystem;

namespace {

typedef std::vector<uint8_t> Bytes;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class SeedWriter {
 public:
  explicit SeedWriter(fs::path out) : m_out(std::move(out)) {}

  void Add(const std::string& fuzzer, const std::string& name, const Bytes& bytes) {
    Write(m_out / fuzzer, name, bytes);
    Write(m_out / "common", fuzzer + "-" + name, bytes);
  }
  void AddCommon(const std::string& name, const std::string& bytes) {
    Write(m_out / "common", name, Bytes(bytes.begin(), bytes.end()));
  }
  int Count() const { return m_count; }
  bool Ok() const { return m_ok; }

 private:
  void Write(const fs::path& dir, const std::string& name, const Bytes& bytes) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    m_ok = m_ok && static_cast<bool>(out);
    ++m_count;
  }

  fs::path m_out;
  int m_count = 0;
  bool m_ok = true;
};

// The split header the answer fuzzers read first (see FuzzSplits.h): a count, then two
// bytes per split point.
Bytes SplitHeader(const std::vector<uint16_t>& splits) {
  Bytes out;
  ByteWriter w(&out);
  w.U8(static_cast<uint8_t>(splits.size()));
  for (uint16_t at : splits) w.U16(at);
  return out;
}

// The first lines of a reference file, so that a seed runs in well under a millisecond:
// the parser fuzzer reads its input many times over, and its longest seed sets the
// longest input it tries. Even so a seed crosses dozens of the fuzz build's slices.
enum : size_t { kRefSeedBytes = 4096 };

// The parser fuzzer's first byte: bit 0 raw UTF-16, bits 1-4 the columns a line is split
// into (11: all), bits 5-7 the loader. Each seed goes to the loader of its own kind, so
// that every loader starts from records that fit it; other kinds are token streams.
uint8_t RefMode(const std::string& name, bool raw) {
  static const struct {
    const char* prefix;
    uint8_t loader, columns;
  } kinds[] = {{"RefServerEventID", 0, 11}, {"QuestData", 1, 11},         {"SiegeFortress", 2, 11},
               {"LevelData", 3, 11},        {"MagicOptionAssign", 4, 11}, {"Text", 5, 9}};
  uint8_t loader = 0, columns = 11;
  for (const auto& kind : kinds) {
    if (name.rfind(kind.prefix, 0) == 0) loader = kind.loader, columns = kind.columns;
  }
  return static_cast<uint8_t>(loader << 5 | columns << 1 | (raw ? 1 : 0));
}

template <class Text>
Bytes Head(uint8_t mode, const Text& file, size_t from, size_t unit) {
  size_t n = file.size() - from;
  if (n > kRefSeedBytes) n = kRefSeedBytes - kRefSeedBytes % unit;
  Bytes seed = {mode};
  seed.insert(seed.end(), file.begin() + static_cast<std::ptrdiff_t>(from),
              file.begin() + static_cast<std::ptrdiff_t>(from + n));
  return seed;
}

Bytes Join(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Data lines of a readable sample file, split at TABs (or at " | " for the console log).
std::vector<std::vector<std::string>> DataRows(const std::string& text, const std::string& separator) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  std::string line;
  bool header = separator == "\t";
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (header) {  // the .tsv column header
      header = false;
      continue;
    }
    std::vector<std::string> cells;
    size_t from = 0;
    for (size_t at; (at = line.find(separator, from)) != std::string::npos; from = at + separator.size())
      cells.push_back(line.substr(from, at - from));
    cells.push_back(line.substr(from));
    rows.push_back(cells);
  }
  return rows;
}

LogTime TimeOf(const std::string& text) {
  LogTime t;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
  t.year = static_cast<int16_t>(year);
  t.month = static_cast<uint16_t>(month);
  t.day = static_cast<uint16_t>(day);
  t.hour = static_cast<uint16_t>(hour);
  t.minute = static_cast<uint16_t>(minute);
  t.second = static_cast<uint16_t>(second);
  return t;
}

// Console log answer of `count` sample log lines from `first`.
Bytes KDLogAnswerOf(const std::vector<std::vector<std::string>>& rows, size_t first, size_t count) {
  std::vector<KDLogRecord> records;
  for (size_t i = first; i < first + count && i < rows.size(); ++i) {
    const std::vector<std::string>& r = rows[i];
    if (r.size() < 4) continue;
    KDLogRecord record;
    record.userName = r[0];
    record.category = static_cast<uint8_t>(atoi(r[1].c_str()));
    record.time = TimeOf(r[2]);
    record.logText = r[3];
    records.push_back(record);
  }
  Bytes out;
  ByteWriter w(&out);
  WriteKDLogAnswer(w, 0, records);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: fuzz_seeds <data dir> <sample KV_GameRefData dir> <out dir>\n");
    return 2;
  }
  const fs::path data = argv[1], refdata = argv[2], out = argv[3];
  std::error_code ec;
  fs::remove_all(out, ec);
  SeedWriter seeds(out);

  // Reference files: the generated sample as raw UTF-16, the readable source with each
  // byte taken as one code unit.
  for (const auto& entry : fs::directory_iterator(refdata, ec)) {
    std::string file = ReadFile(entry.path());
    if (file.size() < 2) continue;
    const std::string name = entry.path().filename().string();
    seeds.Add("fuzz_refdata_parser", name, Head(RefMode(name, true), file, 2, 2));
  }
  std::vector<std::vector<std::string>> items, texts;
  for (const auto& entry : fs::directory_iterator(data / "refdata", ec)) {
    std::string file = ReadFile(entry.path());
    const std::string name = entry.path().filename().string();
    seeds.AddCommon(name, file);
    if (entry.path().extension() != ".tsv") continue;
    seeds.Add("fuzz_refdata_parser", name, Head(RefMode(name, false), file, 0, 1));
    auto rows = DataRows(file, "\t");
    if (name.rfind("ItemData", 0) == 0) items.insert(items.end(), rows.begin(), rows.end());
    if (name.rfind("Text", 0) == 0) texts.insert(texts.end(), rows.begin(), rows.end());
  }

  // Console log answers of the sample operator log, whole and in parts.
  const std::string kdlog = ReadFile(data / "kdlog" / "console_log.txt");
  seeds.AddCommon("console_log.txt", kdlog);
  auto logRows = DataRows(kdlog, " | ");
  const Bytes answer = KDLogAnswerOf(logRows, 0, 12);
  seeds.Add("fuzz_kdlog_answer", "twelve_records", Join(SplitHeader({}), answer));
  seeds.Add("fuzz_kdlog_answer", "three_parts", Join(SplitHeader({1, 402, 1000}), answer));
  seeds.Add("fuzz_kdlog_answer", "empty", Join(SplitHeader({}), KDLogAnswerOf(logRows, 0, 0)));
  seeds.Add("fuzz_massive_msg", "kdlog_answer", Join(SplitHeader({7, 300, 2000}), answer));

  // Log texts and display texts carry the colour marks.
  int line = 0;
  for (const auto& r : logRows) {
    if (r.size() < 4) continue;
    seeds.Add("fuzz_colour_markup", "log_" + std::to_string(line++), Bytes(r[3].begin(), r[3].end()));
  }
  line = 0;
  for (const auto& r : texts) {
    if (r.size() < 2 || line >= 40) continue;
    seeds.Add("fuzz_colour_markup", "text_" + std::to_string(line++), Bytes(r[1].begin(), r[1].end()));
  }

  // Game log records naming sample items, with display texts as their text fields.
  Bytes charRecords, itemRecords;
  ByteWriter chars(&charRecords), itemsOut(&itemRecords);
  uint16_t rows = 0;
  for (size_t i = 0; i < items.size() && i < 20; ++i) {
    GameLogItemRecord item;
    item.serial = 1000000007 + static_cast<int64_t>(i);
    item.time = TimeOf("2026-10-02 20:46:35");
    item.refItemId = static_cast<uint32_t>(atoi(items[i][0].c_str()));
    item.data = static_cast<uint32_t>(i);
    item.storage = static_cast<uint8_t>(i % 4);
    item.operation = static_cast<uint8_t>(i * 7);
    item.slotFrom = 13;
    item.slotTo = static_cast<uint8_t>(i);
    item.position = "Velmora-Ember (1203,44)";
    item.text = i < texts.size() && texts[i].size() >= 2 ? texts[i][1] : "";
    item.amount = static_cast<int64_t>(i) * 1000;
    WriteLogRow(itemsOut, item);

    GameLogCharRecord event;
    event.time = item.time;
    event.eventId = static_cast<uint8_t>(i * 11);
    event.data1 = item.refItemId;
    event.data2 = static_cast<uint32_t>(i);
    event.position = item.position;
    event.text = item.text;
    WriteLogRow(chars, event);
    ++rows;
  }
  // Console edits of the sample game log (character event 199, item operation 99): an
  // operation keyword in the position field, comma fields as text. As records of both
  // kinds, and for the text fuzzer as the keyword's length, the keyword and the text.
  const std::string gamelog = ReadFile(data / "gamelog" / "game_log.txt");
  seeds.AddCommon("game_log.txt", gamelog);
  int edit = 0;
  for (const auto& r : DataRows(gamelog, " | ")) {
    const bool charEdit = r.size() >= 9 && r[3] == "char" && r[4] == "199";
    const bool itemEdit = r.size() >= 15 && r[3] == "item" && r[9] == "99";
    if (!charEdit && !itemEdit) continue;
    const std::string& keyword = charEdit ? r[7] : r[13];
    const std::string& text = charEdit ? r[8] : r[14];
    Bytes seed = {static_cast<uint8_t>(keyword.size())};
    seed.insert(seed.end(), keyword.begin(), keyword.end());
    seed.insert(seed.end(), text.begin(), text.end());
    seeds.Add("fuzz_console_op_text", "edit_" + std::to_string(edit++), seed);

    GameLogCharRecord event;
    event.time = TimeOf("2026-10-03 00:51:59");
    event.eventId = 199;
    event.position = keyword;
    event.text = text;
    WriteLogRow(chars, event);
    GameLogItemRecord item;
    item.time = event.time;
    item.refItemId = items.empty() ? 0 : static_cast<uint32_t>(atoi(items[0][0].c_str()));
    item.operation = 99;
    item.position = keyword;
    item.text = text;
    WriteLogRow(itemsOut, item);
    ++rows;
  }
  // Whole 0x8001 answers: result, kind, a byte not used, the row count, the rows, the cursor.
  auto gameLogAnswer = [rows](uint8_t kind, const Bytes& records) {
    Bytes answer;
    ByteWriter out(&answer);
    out.U8(0);
    out.U8(kind);
    out.U8(0);
    out.U16(rows);
    out.Bytes(records.data(), records.size());
    out.String("2026-10-03 00:51:59");
    return answer;
  };
  seeds.Add("fuzz_gamelog_answer", "char_rows", Join(SplitHeader({}), gameLogAnswer(1, charRecords)));
  seeds.Add("fuzz_gamelog_answer", "item_rows", Join(SplitHeader({}), gameLogAnswer(2, itemRecords)));
  seeds.Add("fuzz_gamelog_answer", "history_parts", Join(SplitHeader({3, 40, 41, 500}), gameLogAnswer(4, itemRecords)));
  seeds.Add("fuzz_massive_msg", "item_records", Join(SplitHeader({5, 90}), itemRecords));

  if (!seeds.Ok()) {
    fprintf(stderr, "fuzz_seeds: cannot write into %s\n", out.string().c_str());
    return 1;
  }
  printf("fuzz_seeds: %d seed files in %s\n", seeds.Count(), out.string().c_str());
  return 0;
}
