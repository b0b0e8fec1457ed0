#pragma once
// Whole-file read, the only file access of the module. Paths use backslashes as folder
// separators ("KV_GameRefData\\ItemData.txt"), relative to the current directory.
#include "base/HeapBuffer.h"

// Reads the whole existing file at path into out with one read. Other readers may
// have the file open. False when it cannot be opened or fully read.
bool FileReadWhole(const char* path, HeapBuffer* out);
