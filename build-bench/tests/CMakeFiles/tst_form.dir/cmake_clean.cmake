file(REMOVE_RECURSE
  "CMakeFiles/tst_form_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_form_autogen.dir/ParseCache.txt"
  "tst_form_autogen"
  "CMakeFiles/tst_form.dir/tst_form.cpp.o"
  "CMakeFiles/tst_form.dir/tst_form.cpp.o.d"
  "CMakeFiles/tst_form.dir/tst_form_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_form.dir/tst_form_autogen/mocs_compilation.cpp.o.d"
  "tst_form"
  "tst_form.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_form.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
