# Empty compiler generated dependencies file for tst_bitbtn.
# This may be replaced when dependencies are built.
