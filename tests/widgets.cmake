# Windows, buttons, message boxes, the application object and number conversion.
phone_test(tst_form tst_form.cpp)
phone_test(tst_bitbtn tst_bitbtn.cpp)
phone_test(tst_messagebox tst_messagebox.cpp)
phone_test(tst_application tst_application.cpp)
phone_test(tst_fontsubstitution tst_fontsubstitution.cpp)
phone_test(tst_conversions tst_conversions.cpp)
