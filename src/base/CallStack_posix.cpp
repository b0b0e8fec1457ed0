#include "base/CallStack.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/Format.h"

// Native builds have no debug help library: module and function names come from the
// dynamic symbol table, so static functions show as "<unknown symbol>". There is no
// source line information here.
void CaptureCallStack(char* buf, size_t size, int skipFrames, const char* /*symbolFolder*/) {
  if (size == 0) return;
  buf[0] = '\0';
  // frames[0] is this function.
  void* frames[kCallStackMaxFrames + 1];
  int count = backtrace(frames, kCallStackMaxFrames + 1);
  for (int i = 1 + skipFrames; i < count; ++i) {
    if (!frames[i]) continue;
    Dl_info info;
    bool known = dladdr(frames[i], &info) != 0;
    const char* module = known && info.dli_fname ? strrchr(info.dli_fname, '/') : nullptr;
    module = module ? module + 1 : (known && info.dli_fname ? info.dli_fname : nullptr);
    if (module) AppendBounded(buf, size, "\t%s: ", module);
    else AppendBounded(buf, size, "%s", "\t<unknown module>: ");
    if (known && info.dli_sname) {
      int status = 0;
      char* plain = abi::__cxa_demangle(info.dli_sname, nullptr, nullptr, &status);
      AppendBounded(buf, size, "%s\n", status == 0 && plain ? plain : info.dli_sname);
      std::free(plain);
    } else {
      AppendBounded(buf, size, "%s", "<unknown symbol>\n");
    }
  }
}
