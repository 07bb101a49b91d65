target_sources(censaria_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/forms.h
    ${CMAKE_CURRENT_LIST_DIR}/pupilname.h ${CMAKE_CURRENT_LIST_DIR}/pupilname.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clicklabel.h ${CMAKE_CURRENT_LIST_DIR}/clicklabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttonstyle.h ${CMAKE_CURRENT_LIST_DIR}/buttonstyle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/builders.h ${CMAKE_CURRENT_LIST_DIR}/builders.cpp ${CMAKE_CURRENT_LIST_DIR}/palette.h
    ${CMAKE_CURRENT_LIST_DIR}/keptpixels.h ${CMAKE_CURRENT_LIST_DIR}/keptpixels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/svgpicture.h ${CMAKE_CURRENT_LIST_DIR}/svgpicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/accessibility.h ${CMAKE_CURRENT_LIST_DIR}/accessibility.cpp
    ${CMAKE_CURRENT_LIST_DIR}/verdict.h ${CMAKE_CURRENT_LIST_DIR}/verdict.cpp
    ${CMAKE_CURRENT_LIST_DIR}/focusring.h ${CMAKE_CURRENT_LIST_DIR}/focusring.cpp
    ${CMAKE_CURRENT_LIST_DIR}/touchgestures.h ${CMAKE_CURRENT_LIST_DIR}/touchgestures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/figureview.h ${CMAKE_CURRENT_LIST_DIR}/figureview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/documentoutput.h ${CMAKE_CURRENT_LIST_DIR}/documentoutput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/screen.h ${CMAKE_CURRENT_LIST_DIR}/screen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/screenregistry.h ${CMAKE_CURRENT_LIST_DIR}/screenregistry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/navigation.h ${CMAKE_CURRENT_LIST_DIR}/navigation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/module.h ${CMAKE_CURRENT_LIST_DIR}/module.cpp
    ${CMAKE_CURRENT_LIST_DIR}/teachergate.h ${CMAKE_CURRENT_LIST_DIR}/teachergate.cpp)
# Elsewhere the program keeps the teacher's password itself, beside the archive.
if(CENSARIA_DEBIAN_PACKAGE)
    target_compile_definitions(censaria_widgets PRIVATE CENSARIA_TECHNICIAN_PASSWORD_FILE="${CENSARIA_TECHNICIAN_PASSWORD_FILE}")
else()
    target_compile_definitions(censaria_widgets PRIVATE CENSARIA_TECHNICIAN_PASSWORD_FILE="")
endif()
