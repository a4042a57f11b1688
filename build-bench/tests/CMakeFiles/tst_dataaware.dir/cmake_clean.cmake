file(REMOVE_RECURSE
  "CMakeFiles/tst_dataaware_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_dataaware_autogen.dir/ParseCache.txt"
  "tst_dataaware_autogen"
  "CMakeFiles/tst_dataaware.dir/tst_dataaware.cpp.o"
  "CMakeFiles/tst_dataaware.dir/tst_dataaware.cpp.o.d"
  "CMakeFiles/tst_dataaware.dir/tst_dataaware_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_dataaware.dir/tst_dataaware_autogen/mocs_compilation.cpp.o.d"
  "tst_dataaware"
  "tst_dataaware.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_dataaware.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
