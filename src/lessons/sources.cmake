target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/lessoncatalogue.h ${CMAKE_CURRENT_LIST_DIR}/lessoncatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lessonpaging.h ${CMAKE_CURRENT_LIST_DIR}/lessonpaging.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lessoncontent.h ${CMAKE_CURRENT_LIST_DIR}/lessoncontent.cpp)
target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/lessonboard.h ${CMAKE_CURRENT_LIST_DIR}/lessonboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lessonscreen.h ${CMAKE_CURRENT_LIST_DIR}/lessonscreen.cpp)
