file(REMOVE_RECURSE
  "CMakeFiles/storebench_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/storebench_autogen.dir/ParseCache.txt"
  "storebench_autogen"
  "CMakeFiles/storebench.dir/storebench.cpp.o"
  "CMakeFiles/storebench.dir/storebench.cpp.o.d"
  "CMakeFiles/storebench.dir/storebench_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/storebench.dir/storebench_autogen/mocs_compilation.cpp.o.d"
  "storebench"
  "storebench.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/storebench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
