target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/schema.h ${CMAKE_CURRENT_LIST_DIR}/schema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialect.h ${CMAKE_CURRENT_LIST_DIR}/dialect.cpp
    ${CMAKE_CURRENT_LIST_DIR}/archivesettings.h ${CMAKE_CURRENT_LIST_DIR}/archivesettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/archive.h ${CMAKE_CURRENT_LIST_DIR}/archive.cpp
    ${CMAKE_CURRENT_LIST_DIR}/archiveproblemtext.h ${CMAKE_CURRENT_LIST_DIR}/archiveproblemtext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sqlitefile.h ${CMAKE_CURRENT_LIST_DIR}/sqlitefile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultcheck.h ${CMAKE_CURRENT_LIST_DIR}/resultcheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/servererrors.h ${CMAKE_CURRENT_LIST_DIR}/servererrors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/serversetup.h ${CMAKE_CURRENT_LIST_DIR}/serversetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultqueue.h ${CMAKE_CURRENT_LIST_DIR}/resultqueue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultwriter.h ${CMAKE_CURRENT_LIST_DIR}/resultwriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dailybackup.h ${CMAKE_CURRENT_LIST_DIR}/dailybackup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resulttopics.h
    ${CMAKE_CURRENT_LIST_DIR}/resultformat.h ${CMAKE_CURRENT_LIST_DIR}/resultformat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultsreport.h ${CMAKE_CURRENT_LIST_DIR}/resultsreport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultsexport.h ${CMAKE_CURRENT_LIST_DIR}/resultsexport.cpp)
