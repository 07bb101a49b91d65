target_sources(censaria_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/familyrecords.h ${CMAKE_CURRENT_LIST_DIR}/familyrecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/familybrowser.h ${CMAKE_CURRENT_LIST_DIR}/familybrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ffamiglie.h ${CMAKE_CURRENT_LIST_DIR}/ffamiglie.cpp)
