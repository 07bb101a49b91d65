target_sources(censaria_testsupport PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/censariatest.h ${CMAKE_CURRENT_LIST_DIR}/censariatest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/standins.h)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/censariatest.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS CENSARIA_SOURCE_DATA="${PROJECT_SOURCE_DIR}/data/perCensaria")
