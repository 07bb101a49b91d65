target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/growthsimulation.h ${CMAKE_CURRENT_LIST_DIR}/growthsimulation.cpp)
target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/growthgraph.h ${CMAKE_CURRENT_LIST_DIR}/growthgraph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/simulationsheet.h ${CMAKE_CURRENT_LIST_DIR}/simulationsheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/simulationscreen.h ${CMAKE_CURRENT_LIST_DIR}/simulationscreen.cpp)
