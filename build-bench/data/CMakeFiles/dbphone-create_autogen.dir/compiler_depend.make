# Empty custom commands generated dependencies file for dbphone-create_autogen.
# This may be replaced when dependencies are built.
