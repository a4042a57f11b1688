file(REMOVE_RECURSE
  "CMakeFiles/phonebook_autogen"
  "phonebook_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/phonebook_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
