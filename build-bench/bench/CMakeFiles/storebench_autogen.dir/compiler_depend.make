# Empty custom commands generated dependencies file for storebench_autogen.
# This may be replaced when dependencies are built.
