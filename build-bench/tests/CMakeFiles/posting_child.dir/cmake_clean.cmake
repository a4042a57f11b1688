file(REMOVE_RECURSE
  "CMakeFiles/posting_child_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/posting_child_autogen.dir/ParseCache.txt"
  "posting_child_autogen"
  "CMakeFiles/posting_child.dir/posting_child.cpp.o"
  "CMakeFiles/posting_child.dir/posting_child.cpp.o.d"
  "CMakeFiles/posting_child.dir/posting_child_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/posting_child.dir/posting_child_autogen/mocs_compilation.cpp.o.d"
  "posting_child"
  "posting_child.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/posting_child.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
