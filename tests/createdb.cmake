phone_test(tst_createdatabase tst_createdatabase.cpp)
add_dependencies(tst_createdatabase dbphone-create)
target_compile_definitions(tst_createdatabase PRIVATE DBPHONE_CREATE="$<TARGET_FILE:dbphone-create>")
