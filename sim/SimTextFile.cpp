#include "SimTextFile.h"

#include <cerrno>
#include <cstdlib>
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

std::string TrimField(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return std::string();
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

bool ReadUnsignedField(const std::string& s, uint32_t max, uint32_t* value) {
  if (s.empty() || s[0] == '-' || s[0] == '+' || s[0] == ' ') return false;
  bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
  char* end = nullptr;
  errno = 0;
  unsigned long long v = strtoull(s.c_str(), &end, hex ? 16 : 10);
  if (errno || *end || v > max) return false;
  *value = static_cast<uint32_t>(v);
  return true;
}
