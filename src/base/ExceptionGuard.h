#pragma once
// No exception may leave the module towards the console or the system. Every door they
// call through (the window procedure, the answer router, the plug-in's set-up) runs its
// work inside Guarded; an exception stops there with one line
//   "^2" <what was cut short> ": " <the exception's words>
// in the given class word: the class name of the module's own exceptions, "out of
// memory", or what() of a standard one.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <new>

#include "base/Format.h"
#include "base/InternalException.h"
#include "base/LogOutput.h"

// `subject(char* out, size_t size)` writes what was cut short. It runs only after an
// exception, into a buffer on the stack, so reporting an exhausted heap allocates
// nothing.
template <class Subject>
void ReportGuardedException(uint32_t classWord, const Subject& subject, const char* words) {
  char text[kCaptionChars] = "";
  subject(text, sizeof text);
  LogOutput(classWord, "^2%s: %s", text, words);
}

// Answers call()'s result, or `fallback` once an exception was reported.
template <class Result, class Subject, class Call>
Result Guarded(uint32_t classWord, const Subject& subject, Result fallback, const Call& call) {
  try {
    return call();
  } catch (const CInternalException& e) {
    ReportGuardedException(classWord, subject, e.GetName());
  } catch (const std::bad_alloc&) {
    ReportGuardedException(classWord, subject, "out of memory");
  } catch (const std::exception& e) {
    ReportGuardedException(classWord, subject, e.what());
  }
  return fallback;
}
