
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-bench/data/dbphone-create_autogen/mocs_compilation.cpp" "data/CMakeFiles/dbphone-create.dir/dbphone-create_autogen/mocs_compilation.cpp.o" "gcc" "data/CMakeFiles/dbphone-create.dir/dbphone-create_autogen/mocs_compilation.cpp.o.d"
  "/work/main/data/dbphone_create_main.cpp" "data/CMakeFiles/dbphone-create.dir/dbphone_create_main.cpp.o" "gcc" "data/CMakeFiles/dbphone-create.dir/dbphone_create_main.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-bench/data/CMakeFiles/phonedata.dir/DependInfo.cmake"
  "/work/main/build-bench/platform/CMakeFiles/platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
