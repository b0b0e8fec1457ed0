#pragma once
// The stand-in console's log view contents: every line the plug-in hands to the log
// output function, with its class word, and the console's own notes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Platform.h"

struct SimLogLine {
  uint32_t classWord = 0;
  std::string text;
  bool fromConsole = false;  // the stand-in console's own note, not the plug-in's
};

class CSimLog {
 public:
  CSimLog();
  ~CSimLog();
  CSimLog(const CSimLog&) = delete;
  CSimLog& operator=(const CSimLog&) = delete;

  // The log output function handed to the plug-in; lines go to the log made current
  // most recently (the console has one log view).
  static void KV_CDECL Output(uint32_t classWord, const char* text);

  void Add(uint32_t classWord, const char* text);
  void Note(const char* format, ...) KV_PRINTF(2, 3);
  const std::vector<SimLogLine>& Lines() const { return m_lines; }
  // Called after every new line (the log pane scrolls to it).
  void SetListener(std::function<void()> listener) { m_listener = std::move(listener); }

 private:
  void Push(SimLogLine line);

  std::vector<SimLogLine> m_lines;
  std::function<void()> m_listener;
};
