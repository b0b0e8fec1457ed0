# Stages and zips the release (see CMakeLists.txt beside this file).
#   cmake -DNAME=KV_UserLog-1.2.3 -DVERSION=1.2.3 -DDLL=... -DDOCS=<repo>/docs -DNOTE=...
#         -DSTAGE=<scratch folder> -DZIP=<archive> -P MakeRelease.cmake
find_program(PANDOC pandoc)
if(NOT PANDOC)
  message(FATAL_ERROR "pandoc is missing (./kv.sh setup installs it)")
endif()

set(dir ${STAGE}/${NAME})
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${dir}/img)
file(COPY ${DLL} ${DLL}.debug ${DOCS}/operator-guide.md DESTINATION ${dir})
file(GLOB pictures ${DOCS}/img/*.png)
file(COPY ${pictures} DESTINATION ${dir}/img)
configure_file(${NOTE} ${dir}/INSTALL.txt @ONLY NEWLINE_STYLE CRLF)

# The guide as one HTML page for an operator without a Markdown viewer; it shows the
# same pictures from img/ beside it, and its links to sections keep working.
execute_process(
  COMMAND ${PANDOC} --from=gfm --to=html5 --standalone --metadata=lang:en
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

# Only this version's archive stays, so the folder names one release.
get_filename_component(out ${ZIP} DIRECTORY)
file(GLOB old ${out}/KV_UserLog-*.zip)
if(old)
  file(REMOVE ${old})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${NAME}
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write ${ZIP}")
endif()
message(STATUS "release archive: ${ZIP}")
