target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/worlddata.h ${CMAKE_CURRENT_LIST_DIR}/worlddata.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pyramidfigures.h ${CMAKE_CURRENT_LIST_DIR}/pyramidfigures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lifetable.h ${CMAKE_CURRENT_LIST_DIR}/lifetable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/projection.h ${CMAKE_CURRENT_LIST_DIR}/projection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/projectioncsv.h ${CMAKE_CURRENT_LIST_DIR}/projectioncsv.cpp
    ${CMAKE_CURRENT_LIST_DIR}/yearplayer.h ${CMAKE_CURRENT_LIST_DIR}/yearplayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/figuretype.h ${CMAKE_CURRENT_LIST_DIR}/figuretype.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pyramidpainter.h ${CMAKE_CURRENT_LIST_DIR}/pyramidpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chartpainter.h ${CMAKE_CURRENT_LIST_DIR}/chartpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/worldpyramidsfigure.h ${CMAKE_CURRENT_LIST_DIR}/worldpyramidsfigure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/populationfuturefigure.h ${CMAKE_CURRENT_LIST_DIR}/populationfuturefigure.cpp)
target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/figurecanvas.h ${CMAKE_CURRENT_LIST_DIR}/figurecanvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/populationcontrols.h ${CMAKE_CURRENT_LIST_DIR}/populationcontrols.cpp
    ${CMAKE_CURRENT_LIST_DIR}/populationscreen.h ${CMAKE_CURRENT_LIST_DIR}/populationscreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/worldpyramidsscreen.h ${CMAKE_CURRENT_LIST_DIR}/worldpyramidsscreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/populationfuturescreen.h ${CMAKE_CURRENT_LIST_DIR}/populationfuturescreen.cpp)

# The UN's published rows, with their source and licence, inside the program: they
# cannot go missing beside it, and the tools and tests read the same copy.
set(wpp2019 ${PROJECT_SOURCE_DIR}/data/wpp2019)
qt_add_resources(censaria_core populations_data
    PREFIX /
    BASE ${PROJECT_SOURCE_DIR}/data
    FILES ${wpp2019}/FONTE.txt ${wpp2019}/popM.txt ${wpp2019}/popF.txt ${wpp2019}/popMprojMed.txt ${wpp2019}/popFprojMed.txt
          ${wpp2019}/popprojHigh.txt ${wpp2019}/popprojLow.txt ${wpp2019}/mxM.txt ${wpp2019}/mxF.txt ${wpp2019}/tfr.txt
          ${wpp2019}/tfrprojMed.txt ${wpp2019}/percentASFR.txt ${wpp2019}/sexRatio.txt ${wpp2019}/migration.txt)
