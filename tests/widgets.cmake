phone_test(tst_conversions tst_conversions.cpp)
phone_test(tst_form tst_form.cpp)
phone_test(tst_bitbtn tst_bitbtn.cpp)
phone_test(tst_messagebox tst_messagebox.cpp)
