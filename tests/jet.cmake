# Reading Jet .mdb files, on the genuine Jet 4 file kept beside the clone.
phone_test(tst_jetdatabase tst_jetdatabase.cpp)
target_compile_definitions(tst_jetdatabase PRIVATE
    JET4_SAMPLE="${PROJECT_SOURCE_DIR}/../shared/fixtures/jet4-sample.mdb")
