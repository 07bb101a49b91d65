# The install rules, checked on a staged install of this build tree.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    add_test(NAME staged_install COMMAND Python3::Interpreter -B ${CMAKE_CURRENT_LIST_DIR}/test_install.py)
    set_tests_properties(staged_install PROPERTIES TIMEOUT 120 ENVIRONMENT "CENSARIA_BUILD_DIR=${PROJECT_BINARY_DIR}")
endif()
