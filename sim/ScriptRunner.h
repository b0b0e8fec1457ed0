#pragma once
// Runs KalderaSim's scripted steps one after another from the message loop, leaving
// the console and the plug-in time to paint and to answer between them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "SimArgs.h"
#include "SimConsole.h"

class CScriptRunner {
 public:
  // say receives one line per step done or failed.
  CScriptRunner(CSimConsole* console, std::vector<SimStep> steps, std::function<void(const std::string&)> say);
  ~CScriptRunner();
  CScriptRunner(const CScriptRunner&) = delete;
  CScriptRunner& operator=(const CScriptRunner&) = delete;

  void Start();
  int Failures() const { return m_failures; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
  void Schedule(UINT ms);
  void Tick();
  // Runs one step; answers the pause before the next.
  UINT Run(const SimStep& step);
  void Fail(const std::string& what);
  HWND Strip() const;

  CSimConsole* m_console;
  std::vector<SimStep> m_steps;
  std::function<void(const std::string&)> m_say;
  size_t m_next = 0;
  int m_failures = 0;
  int m_tab = -1;
  bool m_waitingForAnswers = false;
  DWORD m_waitStart = 0;
  UINT_PTR m_timer = 0;
};
