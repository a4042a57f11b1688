# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/build-bench/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[tst_createdatabase]=] "/work/main/build-bench/tests/tst_createdatabase")
set_tests_properties([=[tst_createdatabase]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/createdb.cmake;1;phone_test;/work/main/tests/createdb.cmake;0;;/work/main/tests/CMakeLists.txt;9;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_conversions]=] "/work/main/build-bench/tests/tst_conversions")
set_tests_properties([=[tst_conversions]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/widgets.cmake;1;phone_test;/work/main/tests/widgets.cmake;0;;/work/main/tests/CMakeLists.txt;10;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_form]=] "/work/main/build-bench/tests/tst_form")
set_tests_properties([=[tst_form]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/widgets.cmake;2;phone_test;/work/main/tests/widgets.cmake;0;;/work/main/tests/CMakeLists.txt;10;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_bitbtn]=] "/work/main/build-bench/tests/tst_bitbtn")
set_tests_properties([=[tst_bitbtn]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/widgets.cmake;3;phone_test;/work/main/tests/widgets.cmake;0;;/work/main/tests/CMakeLists.txt;10;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_keyboardlayout]=] "/work/main/build-bench/tests/tst_keyboardlayout")
set_tests_properties([=[tst_keyboardlayout]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/keyboard.cmake;1;phone_test;/work/main/tests/keyboard.cmake;0;;/work/main/tests/CMakeLists.txt;11;include;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_dataset]=] "/work/main/build-bench/tests/tst_dataset")
set_tests_properties([=[tst_dataset]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;13;phone_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_persiantext]=] "/work/main/build-bench/tests/tst_persiantext")
set_tests_properties([=[tst_persiantext]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;14;phone_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_connection]=] "/work/main/build-bench/tests/tst_connection")
set_tests_properties([=[tst_connection]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;15;phone_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_datamodule]=] "/work/main/build-bench/tests/tst_datamodule")
set_tests_properties([=[tst_datamodule]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;16;phone_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_startup]=] "/work/main/build-bench/tests/tst_startup")
set_tests_properties([=[tst_startup]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;17;phone_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_durability]=] "/work/main/build-bench/tests/tst_durability")
set_tests_properties([=[tst_durability]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;21;phone_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[tst_dataaware]=] "/work/main/build-bench/tests/tst_dataaware")
set_tests_properties([=[tst_dataaware]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8" TIMEOUT "300" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;5;add_test;/work/main/tests/CMakeLists.txt;24;phone_test;/work/main/tests/CMakeLists.txt;0;")
