censaria_add_test(tst_pupilname ${CMAKE_CURRENT_LIST_DIR}/tst_pupilname.cpp)
censaria_add_test(tst_navigation ${CMAKE_CURRENT_LIST_DIR}/tst_navigation.cpp)
censaria_add_test(tst_builders ${CMAKE_CURRENT_LIST_DIR}/tst_builders.cpp)
censaria_add_test(tst_figureview ${CMAKE_CURRENT_LIST_DIR}/tst_figureview.cpp ${PROJECT_SOURCE_DIR}/tests/figuremeasure.h)
