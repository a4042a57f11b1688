# Empty custom commands generated dependencies file for tst_conversions_autogen.
# This may be replaced when dependencies are built.
