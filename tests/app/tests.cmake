censaria_add_test(tst_mainmenu ${CMAKE_CURRENT_LIST_DIR}/tst_mainmenu.cpp)
censaria_add_test(tst_displaysizes ${CMAKE_CURRENT_LIST_DIR}/tst_displaysizes.cpp)
censaria_add_test(tst_keyboardorder ${CMAKE_CURRENT_LIST_DIR}/tst_keyboardorder.cpp)
censaria_add_test(tst_accessibility ${CMAKE_CURRENT_LIST_DIR}/tst_accessibility.cpp)
