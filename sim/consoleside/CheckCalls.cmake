# cmake -DNM=<nm> -DOBJECT=<file.obj> -P CheckCalls.cmake
# Fails, and removes the object, when it needs any symbol but KalderaSim's KvSim
# functions: a call into the console compiler's runtime (memset, __purecall,
# operator delete, thread-safe statics, stack probes) would not link, or would link
# against the wrong runtime.
execute_process(COMMAND ${NM} -u ${OBJECT} OUTPUT_VARIABLE undefined RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(REMOVE ${OBJECT})
  message(FATAL_ERROR "${NM} cannot read ${OBJECT}")
endif()
string(REGEX MATCHALL "U [^\n]+" needed "${undefined}")
set(foreign)
foreach(entry ${needed})
  string(SUBSTRING "${entry}" 2 -1 symbol)
  if(NOT symbol MATCHES "^_KvSim[A-Za-z]+$")
    list(APPEND foreign ${symbol})
  endif()
endforeach()
if(foreign)
  file(REMOVE ${OBJECT})
  message(FATAL_ERROR "${OBJECT} needs ${foreign}, which KalderaSim does not provide")
endif()
