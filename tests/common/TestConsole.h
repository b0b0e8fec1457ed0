#pragma once
// The console for tests: a recording messenger and the log capture, installed for one
// test, with the directory the test gives (none by default).
#include <vector>

#include "common/LogCapture.h"
#include "common/RecordingMessenger.h"
#include "msg/Console.h"

struct TestConsole {
  explicit TestConsole(IKDDirectory* directory = nullptr) {
    Console().messenger = &messenger;
    Console().directory = directory;
  }
  ~TestConsole() {
    Console().messenger = nullptr;
    Console().directory = nullptr;
  }
  TestConsole(const TestConsole&) = delete;
  TestConsole& operator=(const TestConsole&) = delete;

  const std::vector<CLogCapture::Line>& Lines() const { return CLogCapture::Lines(); }

  CLogCapture log;
  RecordingMessenger messenger;
};
