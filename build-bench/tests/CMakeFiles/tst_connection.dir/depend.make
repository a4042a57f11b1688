# Empty dependencies file for tst_connection.
# This may be replaced when dependencies are built.
