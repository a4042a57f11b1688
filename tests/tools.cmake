# The companion command phonebook-tool and its library.
phone_test(tst_exchange tst_exchange.cpp TestDatabase.h)
target_link_libraries(tst_exchange PRIVATE phonetools)
phone_test(tst_databasetools tst_databasetools.cpp TestDatabase.h)
target_link_libraries(tst_databasetools PRIVATE phonetools)
add_dependencies(tst_databasetools phonebook-tool)
target_compile_definitions(tst_databasetools PRIVATE PHONEBOOK_TOOL="$<TARGET_FILE:phonebook-tool>"
    JET4_SAMPLE="${PROJECT_SOURCE_DIR}/../shared/fixtures/jet4-sample.mdb")
phone_test(tst_mdbimport tst_mdbimport.cpp)
target_link_libraries(tst_mdbimport PRIVATE phonetools)
