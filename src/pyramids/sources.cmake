target_sources(censaria_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pyramidmodel.h ${CMAKE_CURRENT_LIST_DIR}/pyramidmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pyramidfigure.h ${CMAKE_CURRENT_LIST_DIR}/pyramidfigure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pyramidwidgets.h ${CMAKE_CURRENT_LIST_DIR}/pyramidwidgets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fpiramidi.h ${CMAKE_CURRENT_LIST_DIR}/fpiramidi.cpp)
