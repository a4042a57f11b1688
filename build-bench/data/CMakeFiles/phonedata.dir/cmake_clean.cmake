file(REMOVE_RECURSE
  "CMakeFiles/phonedata_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/phonedata_autogen.dir/ParseCache.txt"
  "phonedata_autogen"
  "CMakeFiles/phonedata.dir/CreateDatabase.cpp.o"
  "CMakeFiles/phonedata.dir/CreateDatabase.cpp.o.d"
  "CMakeFiles/phonedata.dir/DemoData.cpp.o"
  "CMakeFiles/phonedata.dir/DemoData.cpp.o.d"
  "CMakeFiles/phonedata.dir/Schema.cpp.o"
  "CMakeFiles/phonedata.dir/Schema.cpp.o.d"
  "CMakeFiles/phonedata.dir/UnitDM.cpp.o"
  "CMakeFiles/phonedata.dir/UnitDM.cpp.o.d"
  "CMakeFiles/phonedata.dir/phonedata_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/phonedata.dir/phonedata_autogen/mocs_compilation.cpp.o.d"
  "libphonedata.a"
  "libphonedata.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/phonedata.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
