# Empty compiler generated dependencies file for tst_keyboardlayout.
# This may be replaced when dependencies are built.
