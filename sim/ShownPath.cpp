#include "ShownPath.h"

#include <windows.h>

#include <shlwapi.h>

#include <cstring>

std::string PathSeenFrom(const std::string& folder, const std::string& path) {
  char full[MAX_PATH], base[MAX_PATH], relative[MAX_PATH];
  DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  DWORD m = GetFullPathNameA(folder.c_str(), MAX_PATH, base, nullptr);
  if (n == 0 || n >= MAX_PATH || m == 0 || m >= MAX_PATH ||
      !PathRelativePathToA(relative, base, FILE_ATTRIBUTE_DIRECTORY, full, FILE_ATTRIBUTE_NORMAL))
    return path;
  // A file of the folder itself comes as ".\name"; the name alone reads better.
  return strncmp(relative, ".\\", 2) == 0 ? std::string(relative + 2) : std::string(relative);
}

std::string PathFromWorkingFolder(const std::string& path) {
  char folder[MAX_PATH];
  DWORD n = GetCurrentDirectoryA(MAX_PATH, folder);
  return n == 0 || n >= MAX_PATH ? path : PathSeenFrom(folder, path);
}
