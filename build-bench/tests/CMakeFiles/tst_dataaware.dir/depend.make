# Empty dependencies file for tst_dataaware.
# This may be replaced when dependencies are built.
