# Empty custom commands generated dependencies file for phonebook_autogen.
# This may be replaced when dependencies are built.
