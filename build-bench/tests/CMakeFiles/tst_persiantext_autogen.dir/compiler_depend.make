# Empty custom commands generated dependencies file for tst_persiantext_autogen.
# This may be replaced when dependencies are built.
