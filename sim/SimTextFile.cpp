#include "SimTextFile.h"

#include <fstream>
#include <sstream>

bool ReadSimTextFile(const char* path, std::string* text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream whole;
  whole << file.rdbuf();
  *text = whole.str();
  return true;
}
