
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/app/Startup.cpp" "app/CMakeFiles/phoneui.dir/Startup.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/Startup.cpp.o.d"
  "/work/main/app/Unit2.cpp" "app/CMakeFiles/phoneui.dir/Unit2.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/Unit2.cpp.o.d"
  "/work/main/app/UnitMain.cpp" "app/CMakeFiles/phoneui.dir/UnitMain.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/UnitMain.cpp.o.d"
  "/work/main/browse/UnitSearch.cpp" "app/CMakeFiles/phoneui.dir/__/browse/UnitSearch.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/browse/UnitSearch.cpp.o.d"
  "/work/main/browse/Unitnama.cpp" "app/CMakeFiles/phoneui.dir/__/browse/Unitnama.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/browse/Unitnama.cpp.o.d"
  "/work/main/entry/UnitSabt.cpp" "app/CMakeFiles/phoneui.dir/__/entry/UnitSabt.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/entry/UnitSabt.cpp.o.d"
  "/work/main/groups/UnitGroup.cpp" "app/CMakeFiles/phoneui.dir/__/groups/UnitGroup.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/groups/UnitGroup.cpp.o.d"
  "/work/main/groups/UnitListGroup.cpp" "app/CMakeFiles/phoneui.dir/__/groups/UnitListGroup.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/groups/UnitListGroup.cpp.o.d"
  "/work/main/reports/UnitRepList.cpp" "app/CMakeFiles/phoneui.dir/__/reports/UnitRepList.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/reports/UnitRepList.cpp.o.d"
  "/work/main/reports/UnitReport.cpp" "app/CMakeFiles/phoneui.dir/__/reports/UnitReport.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/reports/UnitReport.cpp.o.d"
  "/work/main/reports/UnitrepGroup.cpp" "app/CMakeFiles/phoneui.dir/__/reports/UnitrepGroup.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/__/reports/UnitrepGroup.cpp.o.d"
  "/work/main/build-bench/app/phoneui_autogen/mocs_compilation.cpp" "app/CMakeFiles/phoneui.dir/phoneui_autogen/mocs_compilation.cpp.o" "gcc" "app/CMakeFiles/phoneui.dir/phoneui_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-bench/data/CMakeFiles/phonedata.dir/DependInfo.cmake"
  "/work/main/build-bench/platform/CMakeFiles/platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
