# Installs the build into PREFIX, made anew, and checks the program, its
# desktop entry and its icon; VALIDATE, when set, names desktop-file-validate.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

set(program ${PREFIX}/games/plenk)
set(entry ${PREFIX}/share/applications/org.example.plenk.desktop)
set(png ${PREFIX}/share/icons/hicolor/64x64/apps/plenk.png)
set(svg ${PREFIX}/share/icons/hicolor/scalable/apps/plenk.svg)
set(metainfo ${PREFIX}/share/metainfo/org.example.plenk.metainfo.xml)
set(man_page ${PREFIX}/share/man/man6/plenk.6.gz)
foreach(file ${program} ${entry} ${png} ${svg} ${metainfo} ${man_page})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND test -x ${program} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "not executable: ${program}")
endif()

# A PNG whose header says 64 by 64, for the icon theme's 64x64 folder.
file(READ ${png} head HEX LIMIT 24)
if(NOT head MATCHES "^89504e470d0a1a0a0000000d49484452" OR NOT head MATCHES "0000004000000040$")
  message(FATAL_ERROR "${png} is no 64 by 64 PNG: ${head}")
endif()
file(READ ${svg} artwork LIMIT 200)
if(NOT artwork MATCHES "<svg")
  message(FATAL_ERROR "${svg} is no SVG")
endif()

# The Blue Sky & Sea picture lies beside the program, where it looks for it,
# both in the build folder and in the installed copy.
foreach(picture ${BUILD_DIR}/table01.jpg ${PREFIX}/games/table01.jpg)
  if(NOT EXISTS ${picture})
    message(FATAL_ERROR "no picture beside the program: ${picture}")
  endif()
  file(READ ${picture} head HEX LIMIT 3)
  if(NOT head STREQUAL "ffd8ff")
    message(FATAL_ERROR "${picture} is no JPEG: ${head}")
  endif()
endforeach()

# The entry starts the installed program by its name, with its icon, from
# the games' card section of the menu.
file(STRINGS ${entry} lines)
foreach(line "Type=Application" "Name=Plenk" "Exec=plenk" "Icon=plenk" "Categories=Game;CardGame;" "StartupNotify=true")
  if(NOT line IN_LIST lines)
    message(FATAL_ERROR "${entry} lacks ${line}")
  endif()
endforeach()
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${entry} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(failed OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${said}")
  endif()
else()
  message(WARNING "desktop-file-validate not found: the entry's syntax is unchecked")
endif()
