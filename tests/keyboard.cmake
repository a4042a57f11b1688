phone_test(tst_keyboardlayout tst_keyboardlayout.cpp)
# Reads the locked XKB group back when the test runs on an X server.
target_link_libraries(tst_keyboardlayout PRIVATE PkgConfig::X11)
