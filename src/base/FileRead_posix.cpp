#include "base/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

bool FileReadWhole(const char* path, HeapBuffer* out) {
  out->data.reset();
  out->size = 0;
  std::string posixPath(path);
  for (char& c : posixPath) {
    if (c == '\\') c = '/';
  }
  int fd = open(posixPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            out->Allocate(static_cast<size_t>(info.st_size));
  size_t done = 0;
  // read() may return less than asked for large files; keep filling the one buffer.
  while (ok && done < out->size) {
    ssize_t n = read(fd, out->data.get() + done, out->size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += static_cast<size_t>(n);
  }
  close(fd);
  if (!ok) {
    out->data.reset();
    out->size = 0;
  }
  return ok;
}
