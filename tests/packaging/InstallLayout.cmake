# Installs the build into PREFIX and checks that every file lands where a desktop finds it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected bin/turnoplaner-cli)
if(GUI)
    list(APPEND expected
         bin/turnoplaner
         share/applications/de.turnoplaner.Turnoplaner.desktop
         share/icons/hicolor/scalable/apps/de.turnoplaner.Turnoplaner.svg
         share/metainfo/de.turnoplaner.Turnoplaner.metainfo.xml)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/turnoplaner-cli days 2026-01-01 2026-01-01
                RESULT_VARIABLE result OUTPUT_VARIABLE output)
if(NOT result EQUAL 0 OR output STREQUAL "")
    message(FATAL_ERROR "the installed turnoplaner-cli does not run: ${result}")
endif()
file(REMOVE_RECURSE ${PREFIX})
