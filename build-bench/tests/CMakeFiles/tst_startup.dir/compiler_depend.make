# Empty compiler generated dependencies file for tst_startup.
# This may be replaced when dependencies are built.
