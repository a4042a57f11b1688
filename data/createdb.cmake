# Creating a new database file: the library part and the dbphone-create command.
target_sources(phonedata PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DemoData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CreateDatabase.cpp
)

add_executable(dbphone-create ${CMAKE_CURRENT_LIST_DIR}/dbphone_create_main.cpp)
target_link_libraries(dbphone-create PRIVATE phonedata Qt6::Core)
