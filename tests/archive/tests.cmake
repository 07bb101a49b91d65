censaria_add_test(tst_archive ${CMAKE_CURRENT_LIST_DIR}/tst_archive.cpp)
censaria_add_test(tst_backup ${CMAKE_CURRENT_LIST_DIR}/tst_backup.cpp)
