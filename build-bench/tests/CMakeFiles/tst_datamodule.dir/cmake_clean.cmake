file(REMOVE_RECURSE
  "CMakeFiles/tst_datamodule_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/tst_datamodule_autogen.dir/ParseCache.txt"
  "tst_datamodule_autogen"
  "CMakeFiles/tst_datamodule.dir/tst_datamodule.cpp.o"
  "CMakeFiles/tst_datamodule.dir/tst_datamodule.cpp.o.d"
  "CMakeFiles/tst_datamodule.dir/tst_datamodule_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/tst_datamodule.dir/tst_datamodule_autogen/mocs_compilation.cpp.o.d"
  "tst_datamodule"
  "tst_datamodule.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tst_datamodule.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
