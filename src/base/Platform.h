#pragma once
// Calling conventions and compiler attributes shared by the portable core and the
// Win32 shell. On i686 Windows the console calls free functions as __cdecl and member
// functions as __thiscall; elsewhere these words mean nothing.

#if defined(_WIN32) && !defined(_WIN64)
#define KV_CDECL __cdecl
#define KV_I686 1
#else
#define KV_CDECL
#endif

#if defined(__MINGW32__)
#define KV_PRINTF(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#elif defined(__GNUC__)
#define KV_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define KV_PRINTF(fmt, args)
#endif
