# Empty compiler generated dependencies file for tst_form.
# This may be replaced when dependencies are built.
