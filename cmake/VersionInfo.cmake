# Writes the header the version resource includes: the project's version, and the
# source revision when the tree is a git checkout. Run at every build (cmake -P), it
# rewrites the header only when its text changes, so an unchanged tree relinks nothing.
#   cmake -DSOURCE_DIR=... -DVERSION=1.2.3 -DOUT=.../VersionInfo.h -P VersionInfo.cmake
string(REPLACE "." ";" parts "${VERSION}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 patch)

set(revision "")
find_program(GIT git)
if(GIT)
  execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" describe --always --dirty --abbrev=12
                  OUTPUT_VARIABLE revision OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed ERROR_QUIET)
  if(failed)
    set(revision "")
  endif()
endif()
# The product version names the revision after a "+", so an operator can tell two builds
# of one version apart in the file's properties.
set(product "${VERSION}")
if(revision)
  set(product "${VERSION}+${revision}")
endif()

set(text "// Written by cmake/VersionInfo.cmake at build time.
#define KV_VERSION_MAJOR ${major}
#define KV_VERSION_MINOR ${minor}
#define KV_VERSION_PATCH ${patch}
#define KV_VERSION_TEXT \"${VERSION}\"
#define KV_PRODUCT_VERSION_TEXT \"${product}\"
")
set(old "")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
