# Empty custom commands generated dependencies file for tst_dataset_autogen.
# This may be replaced when dependencies are built.
