censaria_add_logic_test(tst_lessonpaging ${CMAKE_CURRENT_LIST_DIR}/tst_lessonpaging.cpp)
censaria_add_test(tst_lessonscreen ${CMAKE_CURRENT_LIST_DIR}/tst_lessonscreen.cpp)
target_compile_definitions(tst_lessonpaging PRIVATE CENSARIA_SOURCE_DATA="${PROJECT_SOURCE_DIR}/data/perCensaria")
