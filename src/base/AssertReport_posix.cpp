#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/AssertReport.h"

bool PlatformDebuggerAttached() {
  FILE* status = fopen("/proc/self/status", "r");
  if (!status) return false;
  char line[256];
  bool attached = false;
  while (fgets(line, sizeof line, status)) {
    if (strncmp(line, "TracerPid:", 10) == 0) {
      attached = atoi(line + 10) != 0;
      break;
    }
  }
  fclose(status);
  return attached;
}

// No box on this platform: the report goes to stderr and counts as OK.
bool PlatformShowAssertionBox(const char* text) {
  fprintf(stderr, "QWLib Debug Module\n%s\n", text);
  return true;
}

void PlatformExitProcess(int code) { std::exit(code); }

void PlatformBreakIntoDebugger() { std::raise(SIGTRAP); }
