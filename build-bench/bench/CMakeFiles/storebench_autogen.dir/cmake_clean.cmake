file(REMOVE_RECURSE
  "CMakeFiles/storebench_autogen"
  "storebench_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/storebench_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
