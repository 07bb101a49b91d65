target_sources(censaria_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/calculatorengine.h ${CMAKE_CURRENT_LIST_DIR}/calculatorengine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calculatorpanel.h ${CMAKE_CURRENT_LIST_DIR}/calculatorpanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exercisescreen.h ${CMAKE_CURRENT_LIST_DIR}/exercisescreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exercisepictures.h ${CMAKE_CURRENT_LIST_DIR}/exercisepictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ratesexercise.h ${CMAKE_CURRENT_LIST_DIR}/ratesexercise.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fesercizi.h ${CMAKE_CURRENT_LIST_DIR}/fesercizi.cpp)
