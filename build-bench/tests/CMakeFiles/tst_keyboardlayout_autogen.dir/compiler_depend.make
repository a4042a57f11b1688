# Empty custom commands generated dependencies file for tst_keyboardlayout_autogen.
# This may be replaced when dependencies are built.
