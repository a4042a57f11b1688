# Switching to the Persian keyboard layout; the XKB calls come with libX11.
target_sources(platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/KeyboardLayout.cpp)
