# cmake -DVERSION=... -DWINDOWS_BUILD=... -DSOURCE_DIR=... -DLICENCES=... -DOUTPUT_DIR=...
#       -P WindowsZip.cmake
# Packs the Windows programs into OUTPUT_DIR/poterinko-VERSION-win32.zip: one folder of the same
# name with both programs (without their debug information), README.txt and
# THIRD_PARTY_LICENSES.txt. The texts get Windows line
# ends, and README.txt a byte order mark, so that every Notepad shows them (and the Japanese).
foreach(var VERSION WINDOWS_BUILD SOURCE_DIR LICENCES OUTPUT_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "WindowsZip.cmake: -D${var}=... is required")
  endif()
endforeach()

set(programs ${WINDOWS_BUILD}/app/poterinko.exe ${WINDOWS_BUILD}/tools/gallery/poterinko-gallery.exe)
foreach(program IN LISTS programs)
  if(NOT EXISTS ${program})
    message(FATAL_ERROR "${program} is missing: build the Windows programs first "
                        "(make package-windows does, or cmake --build --preset windows)")
  endif()
endforeach()

set(name poterinko-${VERSION}-win32)
set(stage ${OUTPUT_DIR}/${name}.stage)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/${name})
find_program(MINGW_STRIP NAMES i686-w64-mingw32-strip REQUIRED)
foreach(program IN LISTS programs)
  get_filename_component(file ${program} NAME)
  execute_process(COMMAND ${MINGW_STRIP} -o ${stage}/${name}/${file} ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()

function(write_windows_text source destination prefix)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${destination} "${prefix}${text}")
endfunction()

set(PROJECT_VERSION ${VERSION})
configure_file(${SOURCE_DIR}/README.txt.in ${stage}/README.txt @ONLY)
string(ASCII 239 187 191 bom)  # EF BB BF, UTF-8's byte order mark
write_windows_text(${stage}/README.txt ${stage}/${name}/README.txt "${bom}")
write_windows_text(${LICENCES} ${stage}/${name}/THIRD_PARTY_LICENSES.txt "")

# A fixed time stamp: the same programs give the same zip.
file(TIMESTAMP ${WINDOWS_BUILD}/app/poterinko.exe mtime "%Y-%m-%d %H:%M:%S" UTC)
file(REMOVE ${OUTPUT_DIR}/${name}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUTPUT_DIR}/${name}.zip --format=zip
                        --mtime=${mtime} ${name}
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${stage})
message(STATUS "Wrote ${OUTPUT_DIR}/${name}.zip")
