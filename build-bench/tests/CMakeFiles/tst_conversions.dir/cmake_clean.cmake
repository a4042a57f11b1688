file(REMOVE_RECURSE
  "CMakeFiles/tst_conversions_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_conversions_autogen.dir/ParseCache.txt"
  "tst_conversions_autogen"
  "CMakeFiles/tst_conversions.dir/tst_conversions.cpp.o"
  "CMakeFiles/tst_conversions.dir/tst_conversions.cpp.o.d"
  "CMakeFiles/tst_conversions.dir/tst_conversions_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_conversions.dir/tst_conversions_autogen/mocs_compilation.cpp.o.d"
  "tst_conversions"
  "tst_conversions.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_conversions.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
