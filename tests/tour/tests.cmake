# scripts/compare-tour on small folders with known differences (it needs ImageMagick).
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    add_test(NAME compare_tour COMMAND Python3::Interpreter -B ${CMAKE_CURRENT_LIST_DIR}/test_compare_tour.py)
    set_tests_properties(compare_tour PROPERTIES TIMEOUT 120)
endif()
