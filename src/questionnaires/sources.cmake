target_sources(censaria_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/questionbanks.h ${CMAKE_CURRENT_LIST_DIR}/questionbanks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/questionnairesession.h ${CMAKE_CURRENT_LIST_DIR}/questionnairesession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/questionnairesheet.h ${CMAKE_CURRENT_LIST_DIR}/questionnairesheet.cpp)
target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/questionnairerecording.h ${CMAKE_CURRENT_LIST_DIR}/questionnairerecording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/topicchooser.h ${CMAKE_CURRENT_LIST_DIR}/topicchooser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colouredbutton.h ${CMAKE_CURRENT_LIST_DIR}/colouredbutton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/questionnairescreen.h ${CMAKE_CURRENT_LIST_DIR}/questionnairescreen.cpp)

qt_add_resources(censaria_widgets questionnaire_pictures
    PREFIX /questionnaires
    BASE ${CMAKE_CURRENT_LIST_DIR}/pictures
    FILES ${CMAKE_CURRENT_LIST_DIR}/pictures/checklist.svg ${CMAKE_CURRENT_LIST_DIR}/pictures/people.svg)
