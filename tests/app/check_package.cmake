# Builds the Debian package from BUILD_DIR into OUT, made anew, and checks it
# without installing it: its control fields, where its files lie, its
# metadata and desktop entry, and lintian's verdict. VERSION is the
# project's; the programs are passed by path, empty when not found.
cmake_minimum_required(VERSION 3.25)
foreach(tool CPACK DPKG_DEB APPSTREAMCLI VALIDATE LINTIAN FILE_TYPE)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} not found: scripts/setup.sh installs it")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(failed)
    message(FATAL_ERROR "${ARGN} failed: ${failed}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${OUT})
run(${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT})
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${OUT}, found: ${debs}")
endif()

# The libraries come from the program itself; the card deck, drawn from its
# files, only from the package's own list.
run(${DPKG_DEB} --field ${debs} Package Version Section Depends Recommends)
foreach(field "Package: plenk" "Version: ${VERSION}" "Section: games" "Recommends: fonts-liberation, fonts-noto-cjk, qt6-translations-l10n, qt6-wayland")
  string(FIND "${out}" "${field}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks \"${field}\":\n${out}")
  endif()
endforeach()
string(REGEX MATCH "Depends: [^\n]*" depends "${out}")
foreach(package libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libicu72 kdegames-card-data-kf5)
  if(NOT depends MATCHES "[ ,]${package}([ ,]|$)")
    message(FATAL_ERROR "the package does not depend on ${package}: ${depends}")
  endif()
endforeach()

# Games in /usr/games, the rest where the desktop, the software centre and
# man look for them; the program world-executable.
run(${DPKG_DEB} --contents ${debs})
set(listing "${out}")
foreach(entry "-rwxr-xr-x root/root [0-9 -:]+ ./usr/games/plenk"
              "./usr/games/table01.jpg"
              "./usr/share/applications/org.example.plenk.desktop"
              "./usr/share/icons/hicolor/64x64/apps/plenk.png"
              "./usr/share/icons/hicolor/scalable/apps/plenk.svg"
              "./usr/share/metainfo/org.example.plenk.metainfo.xml"
              "./usr/share/man/man6/plenk.6.gz"
              "./usr/share/doc/plenk/copyright")
  if(NOT listing MATCHES "${entry}\n")
    message(FATAL_ERROR "the package lacks ${entry}:\n${listing}")
  endif()
endforeach()

# The unpacked tree: the metadata, even read pedantically, is complete and
# names a desktop entry that is there; the entry is valid; the program
# carries no debugging symbols.
set(tree ${OUT}/tree)
run(${DPKG_DEB} -x ${debs} ${tree})
run(${APPSTREAMCLI} validate-tree --no-net --pedantic ${tree})
if(out MATCHES "\n *[EWIP]: ")
  message(FATAL_ERROR "appstreamcli: ${out}")
endif()
run(${VALIDATE} ${tree}/usr/share/applications/org.example.plenk.desktop)
if(NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
run(${FILE_TYPE} -b ${tree}/usr/games/plenk)
if(NOT out MATCHES ", stripped")
  message(FATAL_ERROR "the packaged program is not stripped: ${out}")
endif()

# Lintian's warnings are shown; an error, or a run that fails, fails.
execute_process(COMMAND ${LINTIAN} --fail-on error ${debs}
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian:\n${out}")
if(failed OR out MATCHES "(^|\n)E: ")
  message(FATAL_ERROR "lintian reports errors or could not run: ${failed}\n${err}")
endif()
