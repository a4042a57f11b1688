# The group maintenance window.
phone_test(tst_groupwindow tst_groupwindow.cpp TestProgram.h TestDatabase.h)
