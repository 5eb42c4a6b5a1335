# Installs the build into a fresh prefix and runs the installed programs from there, without
# --base: they must find their game folder in PREFIX/share/olvane, and fail plainly without one.
# cmake -DBUILD=<build dir> -DPREFIX=<scratch prefix> -P install_test.cmake; the prefix must not sit
# directly in the build folder, where BUILD/game would stand in for the installed folder.

function(run_expecting status)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${PREFIX} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT result STREQUAL "${status}")
        message(FATAL_ERROR "${ARGN}: status ${result}, expected ${status}\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
file(MAKE_DIRECTORY ${PREFIX})
# The game folder is generated at build time; bring it (and the programs) up to date first.
run_expecting(0 ${CMAKE_COMMAND} --build ${BUILD} --target olvane olvane-tool olvane_game_data olvane_game_art)
run_expecting(0 ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX})

foreach(file bin/olvane bin/olvane-tool share/olvane/BAZE share/olvane/BMP/MENI2/ZNAK.BMP
        share/applications/olvane.desktop share/icons/hicolor/scalable/apps/olvane.svg)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(EXISTS ${PREFIX}/share/olvane/.art-stamp)
    message(FATAL_ERROR "the build's stamp files are not part of the game folder")
endif()

# The current folder is the prefix, not a game folder: only share/olvane can make these pass.
run_expecting(0 ${PREFIX}/bin/olvane-tool validate)
run_expecting(0 ${PREFIX}/bin/olvane --version)
if(NOT out MATCHES "^olvane Ver [0-9]+\\.[0-9]+\n$")
    message(FATAL_ERROR "olvane --version printed '${out}'")
endif()
run_expecting(0 ${PREFIX}/bin/olvane-tool --version)
string(REPLACE "olvane-tool" "olvane" tool_version "${out}")
execute_process(COMMAND ${PREFIX}/bin/olvane --version OUTPUT_VARIABLE game_version)
if(NOT tool_version STREQUAL game_version)
    message(FATAL_ERROR "the game and its tool disagree on the version: '${out}' and '${game_version}'")
endif()

# Without its game folder the installed tool says so and stops, rather than checking the current folder.
file(RENAME ${PREFIX}/share/olvane ${PREFIX}/share/olvane-away)
run_expecting(2 ${PREFIX}/bin/olvane-tool validate)
if(NOT err MATCHES "--base DIR is required")
    message(FATAL_ERROR "olvane-tool without a game folder said '${err}'")
endif()
run_expecting(2 ${PREFIX}/bin/olvane --no-such-option)
if(NOT err MATCHES "unknown argument --no-such-option" OR NOT err MATCHES "--version")
    message(FATAL_ERROR "an unknown option does not list what is accepted: '${err}'")
endif()
file(REMOVE_RECURSE ${PREFIX})
