# Empty compiler generated dependencies file for posting_child.
# This may be replaced when dependencies are built.
