# Empty custom commands generated dependencies file for phoneui_autogen.
# This may be replaced when dependencies are built.
