# Helpers every folder uses to declare its libraries and tests, so that one list of
# tests runs natively and, in the win32 build, under Wine.

set(KV_WARNINGS -Wall -Wextra -Wformat=2 -Wno-unused-parameter)

# GoogleTest is built from the Debian source package for every preset, so the
# sanitizer and MinGW builds get a matching copy.
macro(kv_setup_googletest)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endmacro()

# kv_library(name [WIN32_ONLY] SOURCES ... [DEPS ...])
# Which files are Win32-only is in their names: a source ending in _win.cpp builds only
# in the win32 build, one ending in _posix.cpp only elsewhere, every other one
# everywhere; a library left without sources is not made. WIN32_ONLY is for folders
# that are Windows programs as a whole (the stand-in console).
function(kv_library name)
  cmake_parse_arguments(A "WIN32_ONLY" "" "SOURCES;DEPS" ${ARGN})
  if(A_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  if(WIN32)
    list(FILTER A_SOURCES EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER A_SOURCES EXCLUDE REGEX "_win\\.cpp$")
  endif()
  if(NOT A_SOURCES)
    return()
  endif()
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${KV_WARNINGS})
  if(A_DEPS)
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  endif()
endfunction()

# kv_test(name [WIN32_ONLY] SOURCES ... [DEPS ...] [ENV VAR=value ...])
# One GoogleTest program, registered as one ctest entry; in the win32 build ctest
# starts it through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
function(kv_test name)
  cmake_parse_arguments(A "WIN32_ONLY" "" "SOURCES;DEPS;ENV" ${ARGN})
  if(A_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${KV_WARNINGS})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(A_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${A_ENV}")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# kv_split_debug_info(target): the linked file keeps no debug sections; its debug
# information moves to <file>.debug beside it, named by a debug link. Wine does not read
# the debug sections in at load, and its dbghelp follows the link, so the assertion
# report's call stack still names functions and lines. --strip-unneeded rather than
# --strip-all: the latter marks the file "debug stripped", and Wine's dbghelp then looks
# only for a separate .dbg file, gives up on the module and ends the stack walk there.
# objcopy stamps the PE header with the current time unless SOURCE_DATE_EPOCH says
# otherwise; zero, as the linker leaves it, keeps a rebuild byte for byte the same.
function(kv_split_debug_info target)
  set(file $<TARGET_FILE_NAME:${target}>)
  set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${objcopy} --only-keep-debug ${file} ${file}.debug
    COMMAND ${objcopy} --strip-unneeded --add-gnu-debuglink=${file}.debug ${file}
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
