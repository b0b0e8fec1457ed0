#include "base/FileRead.h"

#include <windows.h>

bool FileReadWhole(const char* path, HeapBuffer* out) {
  out->data.reset();
  out->size = 0;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = false;
  LARGE_INTEGER size;
  // ReadFile moves at most 4 GiB - 1 bytes per call; nothing this module reads is near that.
  if (GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF &&
      out->Allocate(static_cast<size_t>(size.QuadPart))) {
    DWORD got = 0;
    ok = ReadFile(file, out->data.get(), static_cast<DWORD>(size.QuadPart), &got, nullptr) &&
         got == static_cast<DWORD>(size.QuadPart);
  }
  CloseHandle(file);
  if (!ok) {
    out->data.reset();
    out->size = 0;
  }
  return ok;
}
