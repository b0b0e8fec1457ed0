#pragma once
// The sample reference data (written from data/refdata by the generator's library) in a
// scratch folder that is the current directory while it lives: the game log page loads
// "KV_GameRefData" from the current directory when it is built, and fails without it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

class CSampleRefDataDir {
 public:
  // With withData false the folder stays empty, for the page's failed start.
  explicit CSampleRefDataDir(bool withData = true);
  ~CSampleRefDataDir();
  CSampleRefDataDir(const CSampleRefDataDir&) = delete;
  CSampleRefDataDir& operator=(const CSampleRefDataDir&) = delete;

  // Empty when the folder is ready, else what went wrong.
  const std::string& Error() const { return m_error; }

 private:
  std::string m_previous;
  std::string m_root;
  std::string m_error;
};

// For a test program whose windows build the game log page: the sample data is the
// current directory for the whole run.
class CSampleRefDataEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    m_dir = std::make_unique<CSampleRefDataDir>();
    ASSERT_EQ(m_dir->Error(), "");
  }
  void TearDown() override { m_dir.reset(); }

 private:
  std::unique_ptr<CSampleRefDataDir> m_dir;
};
