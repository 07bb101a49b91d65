censaria_add_test(tst_archive ${CMAKE_CURRENT_LIST_DIR}/tst_archive.cpp)
censaria_add_test(tst_resultsreport ${CMAKE_CURRENT_LIST_DIR}/tst_resultsreport.cpp)
censaria_add_test(tst_resultsexport ${CMAKE_CURRENT_LIST_DIR}/tst_resultsexport.cpp)
censaria_add_test(tst_resultsscreen ${CMAKE_CURRENT_LIST_DIR}/tst_resultsscreen.cpp)
