#include "refdatagen/SampleWriter.h"

#include <filesystem>
#include <set>
#include <vector>

#include "refdatagen/RefFileSet.h"
#include "refdatagen/SourceReader.h"
#include "refdatagen/Utf16FileWriter.h"

namespace {

std::string BaseName(const std::string& fileName) {
  return fileName.substr(0, fileName.size() - 4);  // every reference file ends in ".txt"
}

bool IsUsableListedName(const std::string& name) {
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0 &&
         name.find_first_of("/\\:\t ") == std::string::npos;
}

bool WriteRecordFile(const std::string& sourceDir, const std::string& outDir, const std::string& name,
                     const RefLayout& layout, std::set<std::string>& keys, std::string& error) {
  const std::string source = sourceDir + "/" + BaseName(name) + ".tsv";
  SourceTable table;
  if (!ReadSourceTable(source, layout, table, error)) return false;
  CUtf16FileWriter writer;
  if (!writer.Open(outDir + "/" + name)) {
    error = outDir + "/" + name + ": cannot be written";
    return false;
  }
  for (const SourceTable::Row& row : table.rows) {
    std::string key;
    for (int column : layout.keyColumns) key += row.cells[static_cast<size_t>(column)] + "\t";
    if (!keys.insert(key).second) {
      error = source + ":" + std::to_string(row.line) + ": key " + key.substr(0, key.size() - 1) +
              " already used by an earlier " + layout.name;
      return false;
    }
    if (!writer.WriteLine(row.cells)) {
      error = source + ":" + std::to_string(row.line) + ": a cell is not UTF-8 text or holds a CR";
      return false;
    }
  }
  if (!writer.Close()) {
    error = outDir + "/" + name + ": write failed";
    return false;
  }
  return true;
}

bool WriteListFile(const std::string& sourceDir, const std::string& outDir, const RefFile& file,
                   std::set<std::string>& usedNames, std::string& error) {
  const std::string source = sourceDir + "/" + BaseName(file.name) + ".list";
  std::vector<std::string> names;
  if (!ReadSourceList(source, names, error)) return false;
  CUtf16FileWriter list;
  if (!list.Open(outDir + "/" + file.name)) {
    error = outDir + "/" + file.name + ": cannot be written";
    return false;
  }
  std::set<std::string> keys;
  for (const std::string& name : names) {
    if (!IsUsableListedName(name) || !usedNames.insert(name).second) {
      error = source + ": \"" + name + "\" is not a free record file name";
      return false;
    }
    if (!list.WriteLine({name})) {
      error = source + ": \"" + name + "\" is not UTF-8 text";
      return false;
    }
    if (!WriteRecordFile(sourceDir, outDir, name, LayoutOf(file.kind), keys, error)) return false;
  }
  if (!list.Close()) {
    error = outDir + "/" + file.name + ": write failed";
    return false;
  }
  return true;
}

}  // namespace

bool WriteSample(const std::string& sourceDir, const std::string& outDir, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) {
    error = outDir + ": " + ec.message();
    return false;
  }
  std::set<std::string> usedNames;
  for (const RefFile& file : RefFileSet()) usedNames.insert(file.name);
  for (const RefFile& file : RefFileSet()) {
    std::set<std::string> keys;
    bool ok = file.isList ? WriteListFile(sourceDir, outDir, file, usedNames, error)
                          : WriteRecordFile(sourceDir, outDir, file.name, LayoutOf(file.kind), keys, error);
    if (!ok) return false;
  }
  return true;
}
