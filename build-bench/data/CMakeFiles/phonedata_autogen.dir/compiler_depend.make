# Empty custom commands generated dependencies file for phonedata_autogen.
# This may be replaced when dependencies are built.
