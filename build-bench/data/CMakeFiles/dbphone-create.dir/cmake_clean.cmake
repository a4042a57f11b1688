file(REMOVE_RECURSE
  "CMakeFiles/dbphone-create_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/dbphone-create_autogen.dir/ParseCache.txt"
  "dbphone-create_autogen"
  "CMakeFiles/dbphone-create.dir/dbphone-create_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/dbphone-create.dir/dbphone-create_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/dbphone-create.dir/dbphone_create_main.cpp.o"
  "CMakeFiles/dbphone-create.dir/dbphone_create_main.cpp.o.d"
  "dbphone-create"
  "dbphone-create.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/dbphone-create.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
