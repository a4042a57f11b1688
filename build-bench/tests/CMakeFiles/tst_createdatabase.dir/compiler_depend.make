# Empty compiler generated dependencies file for tst_createdatabase.
# This may be replaced when dependencies are built.
