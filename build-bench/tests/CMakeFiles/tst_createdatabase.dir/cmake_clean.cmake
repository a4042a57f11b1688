file(REMOVE_RECURSE
  "CMakeFiles/tst_createdatabase_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_createdatabase_autogen.dir/ParseCache.txt"
  "tst_createdatabase_autogen"
  "CMakeFiles/tst_createdatabase.dir/tst_createdatabase.cpp.o"
  "CMakeFiles/tst_createdatabase.dir/tst_createdatabase.cpp.o.d"
  "CMakeFiles/tst_createdatabase.dir/tst_createdatabase_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_createdatabase.dir/tst_createdatabase_autogen/mocs_compilation.cpp.o.d"
  "tst_createdatabase"
  "tst_createdatabase.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_createdatabase.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
