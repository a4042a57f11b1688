# Empty dependencies file for phoneui.
# This may be replaced when dependencies are built.
