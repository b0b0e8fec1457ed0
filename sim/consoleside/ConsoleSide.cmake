# The console's side of the plug-in boundary, built by the console's compiler (clang
# for that compiler's i686 Windows target) and archived into kv_sim_console with the
# MinGW objects; the two meet only in the C functions of ConsoleSide.h. No runtime of
# that compiler is linked, so its objects may call nothing but KalderaSim's KvSim
# functions: CheckCalls.cmake holds them to it.
find_program(KV_CONSOLE_CXX NAMES clang++ REQUIRED)
set(kv_console_flags --target=i686-pc-windows-msvc -std=c++17 -O2 -Wall -Wextra
    -fno-exceptions -fno-rtti -fno-threadsafe-statics -ffreestanding -nostdlibinc)
set(KV_CONSOLE_SIDE_OBJECTS)
foreach(name ConsoleObjects PluginCalls)
  set(src ${CMAKE_CURRENT_SOURCE_DIR}/consoleside/${name}.cpp)
  set(obj ${CMAKE_CURRENT_BINARY_DIR}/consoleside/${name}.obj)
  add_custom_command(OUTPUT ${obj}
    COMMAND ${KV_CONSOLE_CXX} ${kv_console_flags} -MD -MF ${obj}.d -c ${src} -o ${obj}
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DOBJECT=${obj}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/consoleside/CheckCalls.cmake
    DEPENDS ${src} consoleside/CheckCalls.cmake
    DEPFILE ${obj}.d
    COMMENT "Building console-side object ${name}.obj with ${KV_CONSOLE_CXX}"
    VERBATIM)
  list(APPEND KV_CONSOLE_SIDE_OBJECTS ${obj})
endforeach()
set_source_files_properties(${KV_CONSOLE_SIDE_OBJECTS} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
