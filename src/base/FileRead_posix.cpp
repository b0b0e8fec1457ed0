#include "base/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

bool CFileReader::Open(const char* path) {
  Close();
  std::string posixPath(path);
  for (char& c : posixPath) {
    if (c == '\\') c = '/';
  }
  const int fd = open(posixPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return false;
  }
  m_handle = fd;
  m_size = static_cast<uint64_t>(info.st_size);
  return true;
}

void CFileReader::Close() {
  if (m_handle >= 0) close(static_cast<int>(m_handle));
  m_handle = -1;
  m_size = 0;
}

ptrdiff_t CFileReader::Read(char* buf, size_t bytes) {
  if (m_handle < 0) return -1;
  for (;;) {
    const ssize_t n = read(static_cast<int>(m_handle), buf, bytes);
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}
