file(REMOVE_RECURSE
  "CMakeFiles/phonebook_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/phonebook_autogen.dir/ParseCache.txt"
  "phonebook_autogen"
  "CMakeFiles/phonebook.dir/main.cpp.o"
  "CMakeFiles/phonebook.dir/main.cpp.o.d"
  "CMakeFiles/phonebook.dir/phonebook_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/phonebook.dir/phonebook_autogen/mocs_compilation.cpp.o.d"
  "phonebook"
  "phonebook.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/phonebook.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
