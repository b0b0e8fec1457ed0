#include "base/CallStack.h"

#include <windows.h>
#include <dbghelp.h>

#include <cstdint>
#include <cstring>

#if defined(_MSC_VER)
#include <intrin.h>
#define KV_RETURN_ADDRESS() _ReturnAddress()
#else
#define KV_RETURN_ADDRESS() __builtin_return_address(0)
#endif

#include "base/Format.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// The debug help library is loaded by name at the first capture and kept: linking it
// would make the module fail to load on a machine without it, and a report must never
// be the reason the console cannot start.
struct DbgHelp {
  typedef BOOL(WINAPI* SymInitializeFn)(HANDLE, PCSTR, BOOL);
  typedef DWORD(WINAPI* SymSetOptionsFn)(DWORD);
  typedef BOOL(WINAPI* StackWalk64Fn)(DWORD, HANDLE, HANDLE, LPSTACKFRAME64, PVOID,
                                      PREAD_PROCESS_MEMORY_ROUTINE64,
                                      PFUNCTION_TABLE_ACCESS_ROUTINE64,
                                      PGET_MODULE_BASE_ROUTINE64, PTRANSLATE_ADDRESS_ROUTINE64);
  typedef BOOL(WINAPI* SymGetModuleInfo64Fn)(HANDLE, DWORD64, PIMAGEHLP_MODULE64);
  typedef BOOL(WINAPI* SymGetSymFromAddr64Fn)(HANDLE, DWORD64, PDWORD64, PIMAGEHLP_SYMBOL64);
  typedef BOOL(WINAPI* SymGetLineFromAddr64Fn)(HANDLE, DWORD64, PDWORD, PIMAGEHLP_LINE64);
  typedef DWORD(WINAPI* UnDecorateSymbolNameFn)(PCSTR, PSTR, DWORD, DWORD);

  enum State { kUntried, kReady, kNotLoaded, kUnusable };
  State state = kUntried;
  SymInitializeFn symInitialize = nullptr;
  SymSetOptionsFn symSetOptions = nullptr;
  StackWalk64Fn stackWalk64 = nullptr;
  PFUNCTION_TABLE_ACCESS_ROUTINE64 functionTableAccess64 = nullptr;
  PGET_MODULE_BASE_ROUTINE64 getModuleBase64 = nullptr;
  SymGetModuleInfo64Fn getModuleInfo64 = nullptr;
  SymGetSymFromAddr64Fn getSymFromAddr64 = nullptr;
  SymGetLineFromAddr64Fn getLineFromAddr64 = nullptr;
  UnDecorateSymbolNameFn unDecorate = nullptr;
};

DbgHelp g_dbgHelp;

template <class Fn>
bool Resolve(HMODULE lib, const char* name, Fn* fn) {
  *fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
  return *fn != nullptr;
}

// Adds a piece to the search path only when it fits whole.
void AddSearchPiece(char* path, size_t size, const char* piece, const char* suffix) {
  if (!piece || !*piece) return;
  size_t used = strlen(path);
  size_t need = (used ? 1 : 0) + strlen(piece) + strlen(suffix);
  if (used + need >= size) return;
  AppendBounded(path, size, "%s%s%s", used ? ";" : "", piece, suffix);
}

void BuildSearchPath(char* path, size_t size, const char* symbolFolder) {
  path[0] = '\0';
  char moduleFolder[MAX_PATH];
  if (!symbolFolder) {
    DWORD n = GetModuleFileNameA(reinterpret_cast<HMODULE>(&__ImageBase), moduleFolder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) moduleFolder[0] = '\0';
    if (char* slash = strrchr(moduleFolder, '\\')) *slash = '\0';
    symbolFolder = moduleFolder;
  }
  AddSearchPiece(path, size, symbolFolder, "");
  char value[MAX_PATH];
  const char* vars[] = {"_NT_SYMBOL_PATH", "_NT_ALT_SYMBOL_PATH"};
  for (const char* var : vars) {
    DWORD n = GetEnvironmentVariableA(var, value, MAX_PATH);
    if (n > 0 && n < MAX_PATH) AddSearchPiece(path, size, value, "");
  }
  char windows[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("SYSTEMROOT", windows, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) {
    n = GetWindowsDirectoryA(windows, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) windows[0] = '\0';
  }
  AddSearchPiece(path, size, windows, "\\System32");
  AddSearchPiece(path, size, windows, "\\System");
}

bool PrepareDbgHelp(const char* symbolFolder) {
  DbgHelp& d = g_dbgHelp;
  if (d.state != DbgHelp::kUntried) return d.state == DbgHelp::kReady;
  HMODULE lib = LoadLibraryA("dbghelp.dll");
  if (!lib) {
    d.state = DbgHelp::kNotLoaded;
    return false;
  }
  bool complete = Resolve(lib, "SymInitialize", &d.symInitialize) &&
                  Resolve(lib, "SymSetOptions", &d.symSetOptions) &&
                  Resolve(lib, "StackWalk64", &d.stackWalk64) &&
                  Resolve(lib, "SymFunctionTableAccess64", &d.functionTableAccess64) &&
                  Resolve(lib, "SymGetModuleBase64", &d.getModuleBase64) &&
                  Resolve(lib, "SymGetModuleInfo64", &d.getModuleInfo64) &&
                  Resolve(lib, "SymGetSymFromAddr64", &d.getSymFromAddr64) &&
                  Resolve(lib, "SymGetLineFromAddr64", &d.getLineFromAddr64) &&
                  Resolve(lib, "UnDecorateSymbolName", &d.unDecorate);
  char searchPath[MAX_PATH];
  if (complete) {
    BuildSearchPath(searchPath, sizeof searchPath, symbolFolder);
    d.symSetOptions(SYMOPT_UNDNAME | SYMOPT_DEFERRED_LOADS | SYMOPT_LOAD_LINES);
  }
  if (!complete || !d.symInitialize(GetCurrentProcess(), searchPath, TRUE)) {
    d.state = DbgHelp::kUnusable;
    return false;
  }
  d.state = DbgHelp::kReady;
  return true;
}

void AppendFrame(char* buf, size_t size, HANDLE process, DWORD64 address) {
  DbgHelp& d = g_dbgHelp;
  IMAGEHLP_MODULE64 module;
  memset(&module, 0, sizeof module);
  module.SizeOfStruct = sizeof module;
  if (d.getModuleInfo64(process, address, &module)) AppendBounded(buf, size, "\t%s: ", module.ModuleName);
  else AppendBounded(buf, size, "%s", "\t<unknown module>: ");

  union {
    IMAGEHLP_SYMBOL64 symbol;
    char space[sizeof(IMAGEHLP_SYMBOL64) + 512];
  } sym;
  memset(&sym, 0, sizeof sym);
  sym.symbol.SizeOfStruct = sizeof(IMAGEHLP_SYMBOL64);
  sym.symbol.MaxNameLength = 512;
  DWORD64 symOffset = 0;
  if (!d.getSymFromAddr64(process, address, &symOffset, &sym.symbol)) {
    AppendBounded(buf, size, "%s", "<unknown symbol>\n");
    return;
  }
  char name[512];
  if (!d.unDecorate(sym.symbol.Name, name, sizeof name, UNDNAME_COMPLETE)) CopyBounded(name, sizeof name, sym.symbol.Name);
  IMAGEHLP_LINE64 line;
  memset(&line, 0, sizeof line);
  line.SizeOfStruct = sizeof line;
  DWORD lineOffset = 0;
  if (d.getLineFromAddr64(process, address, &lineOffset, &line) && line.FileName) {
    AppendBounded(buf, size, "%s%s (%d)\n", name, line.FileName, static_cast<int>(line.LineNumber));
  } else {
    AppendBounded(buf, size, "%s\n", name);
  }
}

}  // namespace

void CaptureCallStack(char* buf, size_t size, int skipFrames, const char* symbolFolder) {
  if (size == 0) return;
  buf[0] = '\0';
  if (!PrepareDbgHelp(symbolFolder)) {
    CopyBounded(buf, size,
                g_dbgHelp.state == DbgHelp::kNotLoaded
                    ? "cannot load dbghelp.dll"
                    : "cannot load dbghelp.dll : wrong version or SymInitialize fail");
    return;
  }
  DbgHelp& d = g_dbgHelp;
  HANDLE process = GetCurrentProcess();
  HANDLE thread = GetCurrentThread();
  CONTEXT context;
  memset(&context, 0, sizeof context);
  context.ContextFlags = CONTEXT_FULL;
  // Wine's RtlCaptureContext reads the caller's frame through EBP: this file is built
  // with frame pointers (CMakeLists.txt).
  RtlCaptureContext(&context);
  STACKFRAME64 frame;
  memset(&frame, 0, sizeof frame);
  frame.AddrPC.Offset = context.Eip;
  frame.AddrPC.Mode = AddrModeFlat;
  frame.AddrFrame.Offset = context.Ebp;
  frame.AddrFrame.Mode = AddrModeFlat;
  frame.AddrStack.Offset = context.Esp;
  frame.AddrStack.Mode = AddrModeFlat;
  // Windows starts the walk in this function, Wine in its caller: the walk is counted
  // from the caller's frame, the first whose address is this function's return address.
  const DWORD64 caller = reinterpret_cast<uintptr_t>(KV_RETURN_ADDRESS());
  DWORD64 pcs[kCallStackMaxFrames + 1];
  int count = 0;
  int first = -1;
  while (count < kCallStackMaxFrames + 1 &&
         d.stackWalk64(IMAGE_FILE_MACHINE_I386, process, thread, &frame, &context, nullptr,
                       d.functionTableAccess64, d.getModuleBase64, nullptr)) {
    if (first < 0 && frame.AddrPC.Offset == caller) first = count;
    pcs[count++] = frame.AddrPC.Offset;
  }
  if (first < 0) first = 0;
  for (int i = first + skipFrames; i < count && i < first + kCallStackMaxFrames; ++i) {
    if (pcs[i] != 0) AppendFrame(buf, size, process, pcs[i]);
  }
}
