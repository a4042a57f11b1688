# Empty compiler generated dependencies file for phonebook.
# This may be replaced when dependencies are built.
