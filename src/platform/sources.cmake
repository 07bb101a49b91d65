target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/numbers.h ${CMAKE_CURRENT_LIST_DIR}/numbers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wording.h ${CMAKE_CURRENT_LIST_DIR}/wording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/random.h ${CMAKE_CURRENT_LIST_DIR}/random.cpp
    ${CMAKE_CURRENT_LIST_DIR}/twips.h ${CMAKE_CURRENT_LIST_DIR}/twips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/typescale.h ${CMAKE_CURRENT_LIST_DIR}/typescale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/datapaths.h ${CMAKE_CURRENT_LIST_DIR}/datapaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lineprinter.h ${CMAKE_CURRENT_LIST_DIR}/lineprinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pageddocument.h ${CMAKE_CURRENT_LIST_DIR}/pageddocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/worksheet.h ${CMAKE_CURRENT_LIST_DIR}/worksheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform.h
    ${CMAKE_CURRENT_LIST_DIR}/removablemedia.h ${CMAKE_CURRENT_LIST_DIR}/removablemedia.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fakeservices.h ${CMAKE_CURRENT_LIST_DIR}/fakeservices.cpp)
target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/qtlineprinter.h ${CMAKE_CURRENT_LIST_DIR}/qtlineprinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/figuredrawing.h ${CMAKE_CURRENT_LIST_DIR}/figuredrawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mediachoicedialog.h ${CMAKE_CURRENT_LIST_DIR}/mediachoicedialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qtplatform.h ${CMAKE_CURRENT_LIST_DIR}/qtplatform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fakeplatform.h ${CMAKE_CURRENT_LIST_DIR}/fakeplatform.cpp)
if(UNIX)
    target_sources(censaria_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/protectedfile.h ${CMAKE_CURRENT_LIST_DIR}/protectedfile.cpp)
endif()
