# Empty dependencies file for tst_durability.
# This may be replaced when dependencies are built.
