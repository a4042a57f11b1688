file(REMOVE_RECURSE
  "CMakeFiles/tst_startup_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_startup_autogen.dir/ParseCache.txt"
  "tst_startup_autogen"
  "CMakeFiles/tst_startup.dir/tst_startup.cpp.o"
  "CMakeFiles/tst_startup.dir/tst_startup.cpp.o.d"
  "CMakeFiles/tst_startup.dir/tst_startup_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_startup.dir/tst_startup_autogen/mocs_compilation.cpp.o.d"
  "tst_startup"
  "tst_startup.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_startup.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
