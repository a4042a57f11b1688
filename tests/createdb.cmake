phone_test(tst_createdatabase tst_createdatabase.cpp)
add_dependencies(tst_createdatabase phonebook-tool)
target_compile_definitions(tst_createdatabase PRIVATE PHONEBOOK_TOOL="$<TARGET_FILE:phonebook-tool>")
