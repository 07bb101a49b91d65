target_sources(censaria_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/calculatorengine.h ${CMAKE_CURRENT_LIST_DIR}/calculatorengine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calculatorpanel.h ${CMAKE_CURRENT_LIST_DIR}/calculatorpanel.cpp)
