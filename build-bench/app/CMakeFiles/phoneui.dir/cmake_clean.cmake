file(REMOVE_RECURSE
  "CMakeFiles/phoneui_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/phoneui_autogen.dir/ParseCache.txt"
  "phoneui_autogen"
  "CMakeFiles/phoneui.dir/Startup.cpp.o"
  "CMakeFiles/phoneui.dir/Startup.cpp.o.d"
  "CMakeFiles/phoneui.dir/Unit2.cpp.o"
  "CMakeFiles/phoneui.dir/Unit2.cpp.o.d"
  "CMakeFiles/phoneui.dir/UnitMain.cpp.o"
  "CMakeFiles/phoneui.dir/UnitMain.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/browse/UnitSearch.cpp.o"
  "CMakeFiles/phoneui.dir/__/browse/UnitSearch.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/browse/Unitnama.cpp.o"
  "CMakeFiles/phoneui.dir/__/browse/Unitnama.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/entry/UnitSabt.cpp.o"
  "CMakeFiles/phoneui.dir/__/entry/UnitSabt.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/groups/UnitGroup.cpp.o"
  "CMakeFiles/phoneui.dir/__/groups/UnitGroup.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/groups/UnitListGroup.cpp.o"
  "CMakeFiles/phoneui.dir/__/groups/UnitListGroup.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/reports/UnitRepList.cpp.o"
  "CMakeFiles/phoneui.dir/__/reports/UnitRepList.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/reports/UnitReport.cpp.o"
  "CMakeFiles/phoneui.dir/__/reports/UnitReport.cpp.o.d"
  "CMakeFiles/phoneui.dir/__/reports/UnitrepGroup.cpp.o"
  "CMakeFiles/phoneui.dir/__/reports/UnitrepGroup.cpp.o.d"
  "CMakeFiles/phoneui.dir/phoneui_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/phoneui.dir/phoneui_autogen/mocs_compilation.cpp.o.d"
  "libphoneui.a"
  "libphoneui.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/phoneui.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
