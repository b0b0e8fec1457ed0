#include "common/SampleRefData.h"

#include <chrono>
#include <filesystem>

#include "refdatagen/SampleWriter.h"

namespace fs = std::filesystem;

CSampleRefDataDir::CSampleRefDataDir(bool withData) {
  static int counter = 0;
  // The clock keeps test programs of several build folders, run at once, apart.
  std::string name = "kv_sample_refdata_" +
                     std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "_" +
                     std::to_string(++counter);
  std::error_code ec;
  m_previous = fs::current_path(ec).string();
  fs::path root = fs::temp_directory_path(ec) / name;
  fs::create_directories(root, ec);
  m_root = root.string();
  if (ec) {
    m_error = m_root + ": " + ec.message();
    return;
  }
  if (withData && !WriteSample(KV_SAMPLE_REFDATA, (root / "KV_GameRefData").string(), m_error)) return;
  fs::current_path(root, ec);
  if (ec) m_error = m_root + ": " + ec.message();
}

CSampleRefDataDir::~CSampleRefDataDir() {
  std::error_code ignored;
  fs::current_path(m_previous, ignored);
  if (!m_root.empty()) fs::remove_all(m_root, ignored);
}
