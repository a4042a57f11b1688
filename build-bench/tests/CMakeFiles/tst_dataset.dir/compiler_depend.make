# Empty compiler generated dependencies file for tst_dataset.
# This may be replaced when dependencies are built.
