file(REMOVE_RECURSE
  "CMakeFiles/dbphone-create_autogen"
  "dbphone-create_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/dbphone-create_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
