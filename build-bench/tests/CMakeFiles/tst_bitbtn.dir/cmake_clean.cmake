file(REMOVE_RECURSE
  "CMakeFiles/tst_bitbtn_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_bitbtn_autogen.dir/ParseCache.txt"
  "tst_bitbtn_autogen"
  "CMakeFiles/tst_bitbtn.dir/tst_bitbtn.cpp.o"
  "CMakeFiles/tst_bitbtn.dir/tst_bitbtn.cpp.o.d"
  "CMakeFiles/tst_bitbtn.dir/tst_bitbtn_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_bitbtn.dir/tst_bitbtn_autogen/mocs_compilation.cpp.o.d"
  "tst_bitbtn"
  "tst_bitbtn.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_bitbtn.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
