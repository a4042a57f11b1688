file(REMOVE_RECURSE
  "CMakeFiles/phoneui_autogen"
  "phoneui_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/phoneui_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
