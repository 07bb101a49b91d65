target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pyramidmodel.h ${CMAKE_CURRENT_LIST_DIR}/pyramidmodel.cpp)
target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pyramidfigure.h ${CMAKE_CURRENT_LIST_DIR}/pyramidfigure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pyramidwidgets.h ${CMAKE_CURRENT_LIST_DIR}/pyramidwidgets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pyramidsscreen.h ${CMAKE_CURRENT_LIST_DIR}/pyramidsscreen.cpp)
