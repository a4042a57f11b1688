# Empty dependencies file for phonedata.
# This may be replaced when dependencies are built.
