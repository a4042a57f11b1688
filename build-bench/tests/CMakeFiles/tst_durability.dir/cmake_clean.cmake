file(REMOVE_RECURSE
  "CMakeFiles/tst_durability_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_durability_autogen.dir/ParseCache.txt"
  "tst_durability_autogen"
  "CMakeFiles/tst_durability.dir/tst_durability.cpp.o"
  "CMakeFiles/tst_durability.dir/tst_durability.cpp.o.d"
  "CMakeFiles/tst_durability.dir/tst_durability_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_durability.dir/tst_durability_autogen/mocs_compilation.cpp.o.d"
  "tst_durability"
  "tst_durability.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_durability.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
