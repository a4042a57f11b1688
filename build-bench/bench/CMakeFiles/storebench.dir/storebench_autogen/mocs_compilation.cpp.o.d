bench/CMakeFiles/storebench.dir/storebench_autogen/mocs_compilation.cpp.o: \
 /work/main/build-bench/bench/storebench_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
