# Empty dependencies file for tst_conversions.
# This may be replaced when dependencies are built.
