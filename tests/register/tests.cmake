censaria_add_test(tst_registerlogic ${CMAKE_CURRENT_LIST_DIR}/tst_registerlogic.cpp ${CMAKE_CURRENT_LIST_DIR}/registerfixtures.h)
censaria_add_test(tst_registerfiles ${CMAKE_CURRENT_LIST_DIR}/tst_registerfiles.cpp ${CMAKE_CURRENT_LIST_DIR}/registerfixtures.h)
censaria_add_test(tst_registerscreen ${CMAKE_CURRENT_LIST_DIR}/tst_registerscreen.cpp ${CMAKE_CURRENT_LIST_DIR}/registerfixtures.h)
