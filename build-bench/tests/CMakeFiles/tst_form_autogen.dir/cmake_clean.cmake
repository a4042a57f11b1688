file(REMOVE_RECURSE
  "CMakeFiles/tst_form_autogen"
  "tst_form_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/tst_form_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
