file(REMOVE_RECURSE
  "CMakeFiles/tst_bitbtn_autogen"
  "tst_bitbtn_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/tst_bitbtn_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
