file(REMOVE_RECURSE
  "CMakeFiles/tst_durability_autogen"
  "tst_durability_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/tst_durability_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
