# Empty custom commands generated dependencies file for tst_durability_autogen.
# This may be replaced when dependencies are built.
