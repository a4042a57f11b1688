# Runs `cmake --install` of a build into an empty prefix and checks that the
# program, its launcher and command, the menu entry and the icon are there.
# Called as: cmake -DBUILD_DIR=... -DPREFIX=... -DWITH_TOOL=0|1 -P CheckInstallTree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE install_result)
if(NOT install_result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${install_result}")
endif()

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(JOIN installed "\n  " listing)
message(STATUS "Installed:\n  ${listing}")

set(executables bin/phonebook bin/phonebook-launcher bin/phonebook-tool)
set(expected ${executables} share/applications/phonebook.desktop
    share/icons/hicolor/scalable/apps/phonebook.svg)
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "missing from the install tree: ${file}")
    endif()
endforeach()
foreach(file IN LISTS executables)
    execute_process(COMMAND test -x ${PREFIX}/${file} RESULT_VARIABLE not_executable)
    if(not_executable)
        message(FATAL_ERROR "not executable: ${file}")
    endif()
endforeach()

file(READ ${PREFIX}/share/applications/phonebook.desktop entry)
foreach(line "Name[fa]=دفتر تلفن" "Exec=phonebook-launcher" "Icon=phonebook")
    string(FIND "${entry}" "${line}" at)
    if(at LESS 0)
        message(FATAL_ERROR "the menu entry lacks: ${line}")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/phonebook.desktop
                    RESULT_VARIABLE invalid OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(invalid OR NOT report STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate: ${report}")
    endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
