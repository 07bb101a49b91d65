target_sources(censaria_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/schema.h ${CMAKE_CURRENT_LIST_DIR}/schema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/archive.h ${CMAKE_CURRENT_LIST_DIR}/archive.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dailybackup.h ${CMAKE_CURRENT_LIST_DIR}/dailybackup.cpp)
