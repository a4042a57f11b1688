# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build-bench
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("platform")
subdirs("data")
subdirs("app")
subdirs("tests")
subdirs("bench")
