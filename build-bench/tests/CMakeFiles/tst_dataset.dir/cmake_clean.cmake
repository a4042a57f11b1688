file(REMOVE_RECURSE
  "CMakeFiles/tst_dataset_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_dataset_autogen.dir/ParseCache.txt"
  "tst_dataset_autogen"
  "CMakeFiles/tst_dataset.dir/tst_dataset.cpp.o"
  "CMakeFiles/tst_dataset.dir/tst_dataset.cpp.o.d"
  "CMakeFiles/tst_dataset.dir/tst_dataset_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_dataset.dir/tst_dataset_autogen/mocs_compilation.cpp.o.d"
  "tst_dataset"
  "tst_dataset.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_dataset.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
