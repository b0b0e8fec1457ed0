# Stages and zips the release (see CMakeLists.txt beside this file). The archive is the
# same byte for byte whenever the same commit is packaged with the same tools: fixed
# entry order, times (the commit's) and permissions, and no owner or access times.
#   cmake -DNAME=KV_UserLog-1.2.3 -DVERSION=1.2.3 -DDLL=... -DMAP=<the DLL's link map>
#         -DSOURCE=<repo> -DNOTE=... -DNOTICES=... -DSTAGE=<scratch folder> -DZIP=<archive>
#         -P MakeRelease.cmake
foreach(tool pandoc zip touch)
  find_program(${tool}_program ${tool})
  if(NOT ${tool}_program)
    message(FATAL_ERROR "${tool} is missing (./kv.sh setup installs it)")
  endif()
endforeach()

# The notices must name every library the DLL takes code from. The link map lists
# each archive member the linker took in (paths outside the build folder start with
# "/") and each start-up object it loaded; an import library's members (named after it,
# plus h, t or a number) hold no code of their own.
file(READ ${NOTICES} notices)
file(STRINGS ${MAP} linked REGEX "^(LOAD )?/")
set(missing "")
foreach(line ${linked})
  if(line MATCHES "^/[^ ]*/([^/ ]+)\\.a\\(([^)]+)\\)")
    set(piece ${CMAKE_MATCH_1})
    set(member ${CMAKE_MATCH_2})
    string(FIND "${member}" "${piece}" at)
    if(at EQUAL 0)
      string(LENGTH "${piece}" n)
      string(SUBSTRING "${member}" ${n} -1 tail)
      if(tail MATCHES "^(_def)?(h|t|s[0-9]+)\\.o$")
        continue()
      endif()
    endif()
  elseif(line MATCHES "^LOAD /[^ ]*/([^/ ]+)\\.o$")
    set(piece ${CMAKE_MATCH_1}.o)
  else()
    continue()
  endif()
  string(FIND "${notices}" "${piece}" at)
  if(at EQUAL -1)
    list(APPEND missing ${piece})
  endif()
endforeach()
if(missing)
  list(REMOVE_DUPLICATES missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "THIRD-PARTY-NOTICES.txt does not name ${missing}, which KV_UserLog.dll links in")
endif()

set(dir ${STAGE}/${NAME})
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${dir}/img)
file(COPY ${DLL} ${DLL}.debug ${SOURCE}/docs/operator-guide.md DESTINATION ${dir})
file(GLOB pictures ${SOURCE}/docs/img/*.png)
file(COPY ${pictures} DESTINATION ${dir}/img)
configure_file(${NOTE} ${dir}/INSTALL.txt @ONLY NEWLINE_STYLE CRLF)
# Licence texts verbatim: only the line ends change, for Notepad.
string(REPLACE "\n" "\r\n" notices "${notices}")
file(WRITE ${dir}/THIRD-PARTY-NOTICES.txt "${notices}")

# The guide as one HTML page for an operator without a Markdown viewer; it shows the
# same pictures from img/ beside it, and its links to sections keep working.
execute_process(
  COMMAND ${pandoc_program} --from=gfm --to=html5 --standalone --metadata=lang:en
          "--metadata=pagetitle:KV_UserLog: operator's guide" --variable=maxwidth:60em
          --output=operator-guide.html operator-guide.md
  WORKING_DIRECTORY ${dir}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "pandoc could not render the operator's guide")
endif()

file(GLOB_RECURSE files RELATIVE ${dir} ${dir}/*)
list(SORT files)
set(sums "")
foreach(f ${files})
  file(SHA256 ${dir}/${f} hash)
  string(APPEND sums "${hash}  ${f}\n")
endforeach()
file(WRITE ${dir}/SHA256SUMS "${sums}")
list(APPEND files SHA256SUMS)
list(SORT files)

# Every entry carries the commit's time (1980-01-01, the earliest a zip holds, outside
# git), read as UTC, and plain read/write permissions, whoever builds and whenever.
set(epoch 315532800)
execute_process(COMMAND git -C ${SOURCE} log -1 --format=%ct
                OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE failed ERROR_QUIET)
if(NOT failed AND commit_time GREATER epoch)
  set(epoch ${commit_time})
endif()
set(entries "")
foreach(f ${files})
  file(CHMOD ${dir}/${f} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  list(APPEND entries ${NAME}/${f})
endforeach()
execute_process(COMMAND ${touch_program} -d @${epoch} ${entries} WORKING_DIRECTORY ${STAGE}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot set the staged files' times")
endif()

# Only this version's archive stays, so the folder names one release.
get_filename_component(out ${ZIP} DIRECTORY)
file(MAKE_DIRECTORY ${out})
file(GLOB old ${out}/KV_UserLog-*.zip)
if(old)
  file(REMOVE ${old})
endif()
# -X leaves out owners and access times, -D folder entries; TZ fixes the local time
# a zip stores.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${zip_program} -q -X -D ${ZIP} ${entries}
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write ${ZIP}")
endif()
message(STATUS "release archive: ${ZIP}")
