censaria_add_logic_test(tst_crashsafety ${CMAKE_CURRENT_LIST_DIR}/tst_crashsafety.cpp)
target_compile_definitions(tst_crashsafety PRIVATE RECORDING_CHILD="$<TARGET_FILE:recordresults>")
add_dependencies(tst_crashsafety recordresults)

# The whole program driven through its real screens, by the steps of wholeprogram.h, and
# its screens described for the references in tests/snapshots.
add_library(wholeprogram STATIC ${CMAKE_CURRENT_LIST_DIR}/wholeprogram.cpp ${CMAKE_CURRENT_LIST_DIR}/wholeprogram.h
    ${PROJECT_SOURCE_DIR}/tests/snapshot.cpp ${PROJECT_SOURCE_DIR}/tests/snapshot.h)
target_link_libraries(wholeprogram PUBLIC censaria_testsupport Qt6::Test)
target_include_directories(wholeprogram PUBLIC ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(wholeprogram PRIVATE CENSARIA_SNAPSHOTS="${PROJECT_SOURCE_DIR}/tests/snapshots")
foreach(name wholenavigation keptstate snapshots)
    censaria_add_test(tst_${name} ${CMAKE_CURRENT_LIST_DIR}/tst_${name}.cpp)
    target_link_libraries(tst_${name} PRIVATE wholeprogram)
endforeach()
# Some two hundred roads, each on a freshly started program: slow under the sanitizers.
censaria_test_timeout(tst_wholenavigation 600)

# Power cuts replayed through an SQLite VFS registered in the test, which writes through
# the same SQLite library as Qt's driver.
find_package(SQLite3 REQUIRED)
censaria_add_logic_test(tst_powercut ${CMAKE_CURRENT_LIST_DIR}/tst_powercut.cpp
    ${CMAKE_CURRENT_LIST_DIR}/powercutvfs.cpp ${CMAKE_CURRENT_LIST_DIR}/powercutvfs.h)
target_link_libraries(tst_powercut PRIVATE SQLite::SQLite3)

# The program in the Debian package's layout: archive behind a link, journal kept, one
# account per pupil.
censaria_add_test(tst_packagelayout ${CMAKE_CURRENT_LIST_DIR}/tst_packagelayout.cpp)
