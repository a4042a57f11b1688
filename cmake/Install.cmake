# Installing like a desktop program: the program, its companion command, a
# launcher that starts it in the user's data folder, a menu entry and an icon;
# and a Debian package of all of it.
include(GNUInstallDirs)

set(PHONEBOOK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS phonebook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The launcher makes the first database with the companion command.
install(TARGETS phonebook-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${PHONEBOOK_PACKAGING_DIR}/phonebook-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PHONEBOOK_PACKAGING_DIR}/phonebook.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PHONEBOOK_PACKAGING_DIR}/phonebook.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Installs this build into a fresh temporary prefix and checks the tree.
add_test(NAME install_tree
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                 -DPREFIX=${CMAKE_BINARY_DIR}/install-tree-test
                 -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstallTree.cmake)
set_tests_properties(install_tree PROPERTIES TIMEOUT 120)

# Only scripts/screenshots.sh builds this.
add_executable(screenshot_maker EXCLUDE_FROM_ALL ${PHONEBOOK_PACKAGING_DIR}/screenshot_maker.cpp)
target_link_libraries(screenshot_maker PRIVATE phoneui Qt6::Test)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME phonebook)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Seed 95aa7dc3 maintainers <maintainers@users.noreply.c-seed-95aa7dc3.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Persian telephone directory")
# The summary is the first line of the package's description; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop telephone directory with a right-to-left Persian interface:
contacts in numbered groups, search while typing, envelopes, contact
lists and group address sheets.
.
دفتر تلفن فارسی: نگهداری نام، تلفن و نشانی در گروه‌ها، جستجو و چاپ.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries come from the binaries themselves (dpkg-shlibdeps); the
# fonts and Qt's own Persian texts are loaded at run time, so are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-farsiweb, fonts-freefarsi, qt6-translations-l10n")
include(CPack)
