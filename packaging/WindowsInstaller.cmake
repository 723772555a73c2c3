# cmake -DZIP=... -DVERSION=... -DICON=... -DPUBLISHER=... -DCOPYRIGHT=... -DABOUT_URL=...
#       -DOUTPUT=... -P WindowsInstaller.cmake
# Makes the per-user setup program OUTPUT (WindowsSetup.nsi, NSIS) from the Windows zip, so that
# both ship the same files: every file of the zip's folder but README.txt, which tells how to
# unpack and remove the zip by hand.
foreach(var ZIP VERSION ICON PUBLISHER COPYRIGHT ABOUT_URL OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "WindowsInstaller.cmake: -D${var}=... is required")
  endif()
endforeach()
find_program(MAKENSIS makensis REQUIRED)

set(work ${OUTPUT}.work)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${work}
                COMMAND_ERROR_IS_FATAL ANY)
file(GLOB folder LIST_DIRECTORIES true ${work}/*)
file(REMOVE ${folder}/README.txt)

# The file set, once for installing and once for removing exactly these files again.
file(GLOB files RELATIVE ${folder} ${folder}/*)
set(install "!macro InstallFiles\n")
set(uninstall "!macro UninstallFiles\n")
foreach(file IN LISTS files)
  string(APPEND install "  File \"${folder}/${file}\"\n")
  string(APPEND uninstall "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
file(WRITE ${work}/files.nsh "${install}!macroend\n${uninstall}!macroend\n")

execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION}
                        -DFILES=${work}/files.nsh -DICON=${ICON} -DPUBLISHER=${PUBLISHER}
                        -DCOPYRIGHT=${COPYRIGHT} -DABOUT_URL=${ABOUT_URL} -DOUTFILE=${OUTPUT}
                        ${CMAKE_CURRENT_LIST_DIR}/WindowsSetup.nsi
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${work})
message(STATUS "Wrote ${OUTPUT}")
