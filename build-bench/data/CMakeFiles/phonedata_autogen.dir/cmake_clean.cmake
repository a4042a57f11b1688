file(REMOVE_RECURSE
  "CMakeFiles/phonedata_autogen"
  "phonedata_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/phonedata_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
