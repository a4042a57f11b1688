# Empty dependencies file for tst_datamodule.
# This may be replaced when dependencies are built.
