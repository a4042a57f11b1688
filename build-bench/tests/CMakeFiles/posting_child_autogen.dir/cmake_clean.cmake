file(REMOVE_RECURSE
  "CMakeFiles/posting_child_autogen"
  "posting_child_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/posting_child_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
