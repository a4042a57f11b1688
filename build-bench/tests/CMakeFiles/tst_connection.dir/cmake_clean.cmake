file(REMOVE_RECURSE
  "CMakeFiles/tst_connection_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_connection_autogen.dir/ParseCache.txt"
  "tst_connection_autogen"
  "CMakeFiles/tst_connection.dir/tst_connection.cpp.o"
  "CMakeFiles/tst_connection.dir/tst_connection.cpp.o.d"
  "CMakeFiles/tst_connection.dir/tst_connection_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_connection.dir/tst_connection_autogen/mocs_compilation.cpp.o.d"
  "tst_connection"
  "tst_connection.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_connection.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
