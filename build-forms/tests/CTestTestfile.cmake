# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/build-forms/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[tst_createdatabase]=] "/work/main/build-forms/tests/tst_createdatabase")
set_tests_properties([=[tst_createdatabase]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/createdb.cmake;1;phone_test;/work/main/tests/createdb.cmake;0;;/work/main/tests/CMakeLists.txt;9;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_conversions]=] "/work/main/build-forms/tests/tst_conversions")
set_tests_properties([=[tst_conversions]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/widgets.cmake;1;phone_test;/work/main/tests/widgets.cmake;0;;/work/main/tests/CMakeLists.txt;10;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_keyboardlayout]=] "/work/main/build-forms/tests/tst_keyboardlayout")
set_tests_properties([=[tst_keyboardlayout]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/keyboard.cmake;1;phone_test;/work/main/tests/keyboard.cmake;0;;/work/main/tests/CMakeLists.txt;11;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_dataset]=] "/work/main/build-forms/tests/tst_dataset")
set_tests_properties([=[tst_dataset]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;13;phone_test;/work/main/tests/CMakeLists.txt;0;")
