censaria_add_logic_test(tst_pyramidmodel ${CMAKE_CURRENT_LIST_DIR}/tst_pyramidmodel.cpp)
censaria_add_test(tst_fpiramidi ${CMAKE_CURRENT_LIST_DIR}/tst_fpiramidi.cpp)
