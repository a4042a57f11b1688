file(REMOVE_RECURSE
  "CMakeFiles/tst_persiantext_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_persiantext_autogen.dir/ParseCache.txt"
  "tst_persiantext_autogen"
  "CMakeFiles/tst_persiantext.dir/tst_persiantext.cpp.o"
  "CMakeFiles/tst_persiantext.dir/tst_persiantext.cpp.o.d"
  "CMakeFiles/tst_persiantext.dir/tst_persiantext_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_persiantext.dir/tst_persiantext_autogen/mocs_compilation.cpp.o.d"
  "tst_persiantext"
  "tst_persiantext.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_persiantext.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
