# Empty compiler generated dependencies file for tst_persiantext.
# This may be replaced when dependencies are built.
