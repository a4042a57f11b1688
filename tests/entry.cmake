# The contact entry window and the group picker, driven as the user and their callers do.
phone_test(tst_entrywindow tst_entrywindow.cpp EntryWindowDriver.h TestProgram.h TestDatabase.h)
phone_test(tst_grouppicker tst_grouppicker.cpp EntryWindowDriver.h TestProgram.h TestDatabase.h)
