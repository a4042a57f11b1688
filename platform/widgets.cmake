# Windows, buttons, message boxes and the application object every window builds on.
target_sources(platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Application.h
    ${CMAKE_CURRENT_LIST_DIR}/BitBtn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BitBtn.h
    ${CMAKE_CURRENT_LIST_DIR}/Conversions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Conversions.h
    ${CMAKE_CURRENT_LIST_DIR}/DeferredError.h
    ${CMAKE_CURRENT_LIST_DIR}/FontSubstitution.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontSubstitution.h
    ${CMAKE_CURRENT_LIST_DIR}/Form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Form.h
    ${CMAKE_CURRENT_LIST_DIR}/MessageBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageBox.h
)
