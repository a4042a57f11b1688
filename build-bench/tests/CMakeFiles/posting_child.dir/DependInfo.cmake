
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/posting_child.cpp" "tests/CMakeFiles/posting_child.dir/posting_child.cpp.o" "gcc" "tests/CMakeFiles/posting_child.dir/posting_child.cpp.o.d"
  "/work/main/build-bench/tests/posting_child_autogen/mocs_compilation.cpp" "tests/CMakeFiles/posting_child.dir/posting_child_autogen/mocs_compilation.cpp.o" "gcc" "tests/CMakeFiles/posting_child.dir/posting_child_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-bench/platform/CMakeFiles/platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
