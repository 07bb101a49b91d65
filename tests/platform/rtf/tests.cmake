censaria_add_test(tst_rtfreader ${CMAKE_CURRENT_LIST_DIR}/tst_rtfreader.cpp)
target_compile_definitions(tst_rtfreader PRIVATE RTF_FIXTURES="${CMAKE_CURRENT_LIST_DIR}")
