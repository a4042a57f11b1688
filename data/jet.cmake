# Reading the original desktop program's Jet 3/4 .mdb files through mdbtools.
pkg_check_modules(LIBMDB REQUIRED IMPORTED_TARGET libmdb)
target_sources(phonedata PRIVATE ${CMAKE_CURRENT_LIST_DIR}/JetDatabase.cpp)
target_link_libraries(phonedata PRIVATE PkgConfig::LIBMDB)
