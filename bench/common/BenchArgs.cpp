#include "BenchArgs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

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

bool EnterGeneratedVolumes(const std::string& dir, const char* name) {
  std::error_code ec;
  std::filesystem::current_path(dir, ec);
  if (!ec) return true;
  fprintf(stderr,
          "%s: no folder %s; run build/native/bench/bench_refdata_load once (it generates the volumes there) or "
          "give --dir\n",
          name, dir.c_str());
  return false;
}
