censaria_add_test(tst_calculatorengine ${CMAKE_CURRENT_LIST_DIR}/tst_calculatorengine.cpp)
censaria_add_test(tst_ratesexercise ${CMAKE_CURRENT_LIST_DIR}/tst_ratesexercise.cpp)
censaria_add_test(tst_balancesexercise ${CMAKE_CURRENT_LIST_DIR}/tst_balancesexercise.cpp)
censaria_add_test(tst_exercisescreens ${CMAKE_CURRENT_LIST_DIR}/tst_exercisescreens.cpp)
