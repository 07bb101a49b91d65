target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/typesize.h ${CMAKE_CURRENT_LIST_DIR}/typesize.cpp
    ${CMAKE_CURRENT_LIST_DIR}/displayscale.h ${CMAKE_CURRENT_LIST_DIR}/displayscale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/screencatalog.h ${CMAKE_CURRENT_LIST_DIR}/screencatalog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainmenu.h ${CMAKE_CURRENT_LIST_DIR}/mainmenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menucover.h ${CMAKE_CURRENT_LIST_DIR}/menucover.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program.h ${CMAKE_CURRENT_LIST_DIR}/program.cpp)
