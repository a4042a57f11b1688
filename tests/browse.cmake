# The search window and the display by group, driven as the user does.
phone_test(tst_searchwindow tst_searchwindow.cpp BrowseDriver.h EntryWindowDriver.h TestProgram.h TestDatabase.h)
phone_test(tst_displaybygroup tst_displaybygroup.cpp BrowseDriver.h EntryWindowDriver.h TestProgram.h TestDatabase.h)
phone_test(tst_chosencontact tst_chosencontact.cpp BrowseDriver.h EntryWindowDriver.h TestProgram.h TestDatabase.h)
