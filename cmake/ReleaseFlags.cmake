# Flags of every win32 build, so that the shipped DLL is hardened and anyone can rebuild
# it byte for byte from the same commit with the same toolchain.

# No path of the building machine in the objects (__FILE__, debug information): the
# source and build folders both read as /KV_UserLog, so a call stack names
# /KV_UserLog/src/... rather than a made-up path under the current folder. The later
# map is tried first, so the build folder, which may sit inside the source folder,
# comes last.
add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}=/KV_UserLog" "-ffile-prefix-map=${CMAKE_BINARY_DIR}=/KV_UserLog")

# Return addresses guarded against stack buffer overruns. The DLL links its own
# runtime for the check (src/base/StackGuard_win.cpp), whose guard is seeded without
# loading anything; the other win32 programs take the compiler's (libssp).
add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong)

# No link time in the PE header; address space layout randomisation (which needs the
# .reloc section ld writes for a DLL) and no execution from data pages.
add_link_options(-Wl,--no-insert-timestamp -Wl,--dynamicbase -Wl,--nxcompat)
