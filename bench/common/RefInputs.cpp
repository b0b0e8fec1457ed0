#include "RefInputs.h"

#include "base/AnsiText.h"
#include "base/FileRead.h"
#include "base/HeapBuffer.h"
#include "refdata/RefDataParser.h"
#include "refdata/RefDataText.h"
#include "refdatagen/RefFileSet.h"

bool CollectRefInputs(std::vector<std::string>& paths) {
  paths.clear();
  for (const RefFile& file : RefFileSet()) {
    const std::string path = std::string("KV_GameRefData\\") + file.name;
    paths.push_back(path);
    if (!file.isList) continue;
    CRefDataParser list;
    if (!list.Open(path.c_str())) return false;
    while (!list.Exhausted()) {
      bool ok = false;
      const char* name = list.GetString(ok);
      if (!ok) return false;
      paths.push_back(std::string("KV_GameRefData\\") + name);
    }
  }
  return true;
}

bool ReadRefInputs(const std::vector<std::string>& paths, uint64_t& rawBytes) {
  rawBytes = 0;
  for (const std::string& path : paths) {
    HeapBuffer raw;
    if (!FileReadWhole(path.c_str(), &raw)) return false;
    rawBytes += raw.size;
  }
  return true;
}

bool ReadAndConvertRefInputs(const std::vector<std::string>& paths, uint64_t& convertedBytes) {
  convertedBytes = 0;
  for (const std::string& path : paths) {
    HeapBuffer raw, text;
    // The mark is skipped; an odd last byte is dropped, as the loader does.
    if (!FileReadWhole(path.c_str(), &raw) || raw.size < 2) return false;
    if (!ConvertUtf16ToAnsi(raw.data.get() + 2, raw.size / 2 - 1, &text)) return false;
    convertedBytes += text.size;
  }
  return true;
}

bool ReadAndConvertAsLoaderRefInputs(const std::vector<std::string>& paths, uint64_t& convertedBytes) {
  convertedBytes = 0;
  CRefText text;
  for (const std::string& path : paths) {
    if (!text.Open(path.c_str())) return false;
    for (;;) {
      convertedBytes += text.Size();
      if (text.Complete()) break;
      text.Refill(text.Ready());
    }
    if (text.ReadFailed()) return false;
  }
  return true;
}
