target_sources(censaria_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pupilrecord.h ${CMAKE_CURRENT_LIST_DIR}/pupilrecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registerreader.h ${CMAKE_CURRENT_LIST_DIR}/registerreader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registermodel.h ${CMAKE_CURRENT_LIST_DIR}/registermodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registercsv.h ${CMAKE_CURRENT_LIST_DIR}/registercsv.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registerdocument.h ${CMAKE_CURRENT_LIST_DIR}/registerdocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registerkeeper.h ${CMAKE_CURRENT_LIST_DIR}/registerkeeper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/teacherpassword.h ${CMAKE_CURRENT_LIST_DIR}/teacherpassword.cpp)
