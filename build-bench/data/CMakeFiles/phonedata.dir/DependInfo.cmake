
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/data/CreateDatabase.cpp" "data/CMakeFiles/phonedata.dir/CreateDatabase.cpp.o" "gcc" "data/CMakeFiles/phonedata.dir/CreateDatabase.cpp.o.d"
  "/work/main/data/DemoData.cpp" "data/CMakeFiles/phonedata.dir/DemoData.cpp.o" "gcc" "data/CMakeFiles/phonedata.dir/DemoData.cpp.o.d"
  "/work/main/data/Schema.cpp" "data/CMakeFiles/phonedata.dir/Schema.cpp.o" "gcc" "data/CMakeFiles/phonedata.dir/Schema.cpp.o.d"
  "/work/main/data/UnitDM.cpp" "data/CMakeFiles/phonedata.dir/UnitDM.cpp.o" "gcc" "data/CMakeFiles/phonedata.dir/UnitDM.cpp.o.d"
  "/work/main/build-bench/data/phonedata_autogen/mocs_compilation.cpp" "data/CMakeFiles/phonedata.dir/phonedata_autogen/mocs_compilation.cpp.o" "gcc" "data/CMakeFiles/phonedata.dir/phonedata_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-bench/platform/CMakeFiles/platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
