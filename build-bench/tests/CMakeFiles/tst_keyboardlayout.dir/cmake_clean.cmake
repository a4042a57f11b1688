file(REMOVE_RECURSE
  "CMakeFiles/tst_keyboardlayout_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_keyboardlayout_autogen.dir/ParseCache.txt"
  "tst_keyboardlayout_autogen"
  "CMakeFiles/tst_keyboardlayout.dir/tst_keyboardlayout.cpp.o"
  "CMakeFiles/tst_keyboardlayout.dir/tst_keyboardlayout.cpp.o.d"
  "CMakeFiles/tst_keyboardlayout.dir/tst_keyboardlayout_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_keyboardlayout.dir/tst_keyboardlayout_autogen/mocs_compilation.cpp.o.d"
  "tst_keyboardlayout"
  "tst_keyboardlayout.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_keyboardlayout.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
