
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/platform/Application.cpp" "platform/CMakeFiles/platform.dir/Application.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/Application.cpp.o.d"
  "/work/main/platform/BitBtn.cpp" "platform/CMakeFiles/platform.dir/BitBtn.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/BitBtn.cpp.o.d"
  "/work/main/platform/Connection.cpp" "platform/CMakeFiles/platform.dir/Connection.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/Connection.cpp.o.d"
  "/work/main/platform/Conversions.cpp" "platform/CMakeFiles/platform.dir/Conversions.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/Conversions.cpp.o.d"
  "/work/main/platform/DBGrid.cpp" "platform/CMakeFiles/platform.dir/DBGrid.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/DBGrid.cpp.o.d"
  "/work/main/platform/DBGridModel.cpp" "platform/CMakeFiles/platform.dir/DBGridModel.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/DBGridModel.cpp.o.d"
  "/work/main/platform/DBText.cpp" "platform/CMakeFiles/platform.dir/DBText.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/DBText.cpp.o.d"
  "/work/main/platform/DataSource.cpp" "platform/CMakeFiles/platform.dir/DataSource.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/DataSource.cpp.o.d"
  "/work/main/platform/DataSourceRegistry.cpp" "platform/CMakeFiles/platform.dir/DataSourceRegistry.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/DataSourceRegistry.cpp.o.d"
  "/work/main/platform/Dataset.cpp" "platform/CMakeFiles/platform.dir/Dataset.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/Dataset.cpp.o.d"
  "/work/main/platform/Field.cpp" "platform/CMakeFiles/platform.dir/Field.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/Field.cpp.o.d"
  "/work/main/platform/FontSubstitution.cpp" "platform/CMakeFiles/platform.dir/FontSubstitution.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/FontSubstitution.cpp.o.d"
  "/work/main/platform/Form.cpp" "platform/CMakeFiles/platform.dir/Form.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/Form.cpp.o.d"
  "/work/main/platform/KeyboardLayout.cpp" "platform/CMakeFiles/platform.dir/KeyboardLayout.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/KeyboardLayout.cpp.o.d"
  "/work/main/platform/MessageBox.cpp" "platform/CMakeFiles/platform.dir/MessageBox.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/MessageBox.cpp.o.d"
  "/work/main/platform/PersianText.cpp" "platform/CMakeFiles/platform.dir/PersianText.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/PersianText.cpp.o.d"
  "/work/main/platform/QueryDataset.cpp" "platform/CMakeFiles/platform.dir/QueryDataset.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/QueryDataset.cpp.o.d"
  "/work/main/platform/Snapshot.cpp" "platform/CMakeFiles/platform.dir/Snapshot.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/Snapshot.cpp.o.d"
  "/work/main/platform/TableDataset.cpp" "platform/CMakeFiles/platform.dir/TableDataset.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/TableDataset.cpp.o.d"
  "/work/main/build-bench/platform/platform_autogen/mocs_compilation.cpp" "platform/CMakeFiles/platform.dir/platform_autogen/mocs_compilation.cpp.o" "gcc" "platform/CMakeFiles/platform.dir/platform_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
