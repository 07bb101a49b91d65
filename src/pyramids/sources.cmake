target_sources(censaria_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pyramidmodel.h ${CMAKE_CURRENT_LIST_DIR}/pyramidmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pyramidpicture.h ${CMAKE_CURRENT_LIST_DIR}/pyramidpicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fpiramidi.h ${CMAKE_CURRENT_LIST_DIR}/fpiramidi.cpp)
