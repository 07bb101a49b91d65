censaria_add_logic_test(tst_pyramidmodel ${CMAKE_CURRENT_LIST_DIR}/tst_pyramidmodel.cpp)
censaria_add_test(tst_pyramidsscreen ${CMAKE_CURRENT_LIST_DIR}/tst_pyramidsscreen.cpp)
