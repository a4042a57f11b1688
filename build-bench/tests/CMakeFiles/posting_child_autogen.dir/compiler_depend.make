# Empty custom commands generated dependencies file for posting_child_autogen.
# This may be replaced when dependencies are built.
