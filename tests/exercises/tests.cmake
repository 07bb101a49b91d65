censaria_add_test(tst_calculatorengine ${CMAKE_CURRENT_LIST_DIR}/tst_calculatorengine.cpp)
censaria_add_test(tst_ratesexercise ${CMAKE_CURRENT_LIST_DIR}/tst_ratesexercise.cpp)
