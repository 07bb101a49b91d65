censaria_add_logic_test(tst_rtfreader LIBRARY censaria_rtf ${CMAKE_CURRENT_LIST_DIR}/tst_rtfreader.cpp)
target_compile_definitions(tst_rtfreader PRIVATE RTF_FIXTURES="${CMAKE_CURRENT_LIST_DIR}")
