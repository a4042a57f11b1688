# Empty compiler generated dependencies file for dbphone-create.
# This may be replaced when dependencies are built.
