
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/bench/storebench.cpp" "bench/CMakeFiles/storebench.dir/storebench.cpp.o" "gcc" "bench/CMakeFiles/storebench.dir/storebench.cpp.o.d"
  "/work/main/build-bench/bench/storebench_autogen/mocs_compilation.cpp" "bench/CMakeFiles/storebench.dir/storebench_autogen/mocs_compilation.cpp.o" "gcc" "bench/CMakeFiles/storebench.dir/storebench_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-bench/app/CMakeFiles/phoneui.dir/DependInfo.cmake"
  "/work/main/build-bench/data/CMakeFiles/phonedata.dir/DependInfo.cmake"
  "/work/main/build-bench/platform/CMakeFiles/platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
