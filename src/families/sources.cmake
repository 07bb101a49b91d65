target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/familyrecords.h ${CMAKE_CURRENT_LIST_DIR}/familyrecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/familybrowser.h ${CMAKE_CURRENT_LIST_DIR}/familybrowser.cpp)
target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/familiesscreen.h ${CMAKE_CURRENT_LIST_DIR}/familiesscreen.cpp)
