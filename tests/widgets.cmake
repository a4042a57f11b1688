phone_test(tst_conversions tst_conversions.cpp)
phone_test(tst_form tst_form.cpp)
