# Creating a new database file (the companion command's create).
target_sources(phonedata PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DemoData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CreateDatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NewFile.cpp
)
