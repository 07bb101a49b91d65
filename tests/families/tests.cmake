censaria_add_logic_test(tst_familybrowser ${CMAKE_CURRENT_LIST_DIR}/tst_familybrowser.cpp)
censaria_add_test(tst_familiesscreen ${CMAKE_CURRENT_LIST_DIR}/tst_familiesscreen.cpp)
