file(REMOVE_RECURSE
  "CMakeFiles/tst_dataset_autogen"
  "tst_dataset_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/tst_dataset_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
