#include "base/FileRead.h"

#include <windows.h>

bool CFileReader::Open(const char* path) {
  Close();
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return false;
  }
  m_handle = reinterpret_cast<intptr_t>(file);
  m_size = static_cast<uint64_t>(size.QuadPart);
  return true;
}

void CFileReader::Close() {
  if (m_handle != -1) CloseHandle(reinterpret_cast<HANDLE>(m_handle));
  m_handle = -1;
  m_size = 0;
}

ptrdiff_t CFileReader::Read(char* buf, size_t bytes) {
  if (m_handle == -1) return -1;
  // ReadFile moves at most 4 GiB - 1 bytes per call.
  const DWORD ask = bytes > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(bytes);
  DWORD got = 0;
  if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), buf, ask, &got, nullptr)) return -1;
  return static_cast<ptrdiff_t>(got);
}
