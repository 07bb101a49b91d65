censaria_add_test(tst_numbers ${CMAKE_CURRENT_LIST_DIR}/tst_numbers.cpp)
censaria_add_test(tst_datapaths ${CMAKE_CURRENT_LIST_DIR}/tst_datapaths.cpp)
censaria_add_test(tst_lineprinter ${CMAKE_CURRENT_LIST_DIR}/tst_lineprinter.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/rtf/tests.cmake)
