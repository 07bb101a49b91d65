# The server tests share one throwaway PostgreSQL cluster, started before the first of
# them and stopped after the last even when they fail; each works in databases of its
# own. tst_serverfaults starts and stops a cluster of its own beside it.
set(censaria_pgcluster ${CMAKE_BINARY_DIR}/pgcluster)
add_test(NAME pgcluster_start COMMAND ${CMAKE_CURRENT_LIST_DIR}/pgcluster fresh ${censaria_pgcluster})
add_test(NAME pgcluster_stop COMMAND ${CMAKE_CURRENT_LIST_DIR}/pgcluster destroy ${censaria_pgcluster})
set_tests_properties(pgcluster_start PROPERTIES FIXTURES_SETUP pgcluster TIMEOUT 180)
set_tests_properties(pgcluster_stop PROPERTIES FIXTURES_CLEANUP pgcluster TIMEOUT 180)
add_test(NAME pgcluster_comes_back COMMAND ${CMAKE_CURRENT_LIST_DIR}/clustercomesback ${CMAKE_CURRENT_LIST_DIR}/pgcluster
    ${CMAKE_BINARY_DIR}/pgcluster-comesback)
set_tests_properties(pgcluster_comes_back PROPERTIES TIMEOUT 180)

foreach(test tst_serverarchive tst_serverfaults tst_serverroles)
    censaria_add_test(${test} ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp ${CMAKE_CURRENT_LIST_DIR}/testserver.h)
    add_dependencies(${test} makearchive movetoserver loadpc)
    # Every locale's run of it.
    foreach(run ${test} ${test}_it_IT)
        if(NOT TEST ${run})
            continue()
        endif()
        set_tests_properties(${run} PROPERTIES FIXTURES_REQUIRED pgcluster)
        set_property(TEST ${run} APPEND PROPERTY ENVIRONMENT
            "CENSARIA_PGCLUSTER=${censaria_pgcluster}"
            "CENSARIA_PGCLUSTER_SCRIPT=${CMAKE_CURRENT_LIST_DIR}/pgcluster"
            "CENSARIA_MAKEARCHIVE=$<TARGET_FILE:makearchive>"
            "CENSARIA_MOVETOSERVER=$<TARGET_FILE:movetoserver>"
            "CENSARIA_LOADPC=$<TARGET_FILE:loadpc>")
    endforeach()
endforeach()
