target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/serverlogin.h ${CMAKE_CURRENT_LIST_DIR}/serverlogin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultsbrowser.h ${CMAKE_CURRENT_LIST_DIR}/resultsbrowser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultshover.h
    ${CMAKE_CURRENT_LIST_DIR}/resultsscreen.h ${CMAKE_CURRENT_LIST_DIR}/resultsscreen.cpp)

# The picture under the results screen's "TORNA" (drawn by tools/draw_results_picture.py).
qt_add_resources(censaria_widgets censaria_results_resources
    PREFIX /
    BASE ${CMAKE_CURRENT_LIST_DIR}/../resources
    FILES ${CMAKE_CURRENT_LIST_DIR}/../resources/pictures/results-back.svg)
