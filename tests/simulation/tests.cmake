censaria_add_logic_test(tst_growthsimulation ${CMAKE_CURRENT_LIST_DIR}/tst_growthsimulation.cpp)
censaria_add_test(tst_fgrafici ${CMAKE_CURRENT_LIST_DIR}/tst_fgrafici.cpp)
