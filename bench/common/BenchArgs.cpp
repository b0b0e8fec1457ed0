#include "BenchArgs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool ParseBenchArgs(int argc, char** argv, const char* name, BenchArgs* args) {
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--dir") == 0 && i + 1 < argc) {
      args->dir = argv[++i];
    } else if (strcmp(argv[i], "--runs") == 0 && i + 1 < argc && atoi(argv[i + 1]) > 0) {
      args->runs = atoi(argv[++i]);
    } else {
      fprintf(stderr, "usage: %s [--dir <folder holding KV_GameRefData>] [--runs N]\n", name);
      return false;
    }
  }
  return true;
}
