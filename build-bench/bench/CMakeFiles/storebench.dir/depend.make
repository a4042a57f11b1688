# Empty dependencies file for storebench.
# This may be replaced when dependencies are built.
