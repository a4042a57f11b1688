data/CMakeFiles/dbphone-create.dir/dbphone-create_autogen/mocs_compilation.cpp.o: \
 /work/main/build-bench/data/dbphone-create_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
