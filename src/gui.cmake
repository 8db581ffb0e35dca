# The desktop program on Qt 6 Widgets: a library with every window, and the executable around it.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
qt_standard_project_setup()

include(documents/sources.cmake)
include(ui/sources.cmake)

set(QUILLMARK_APP_SOURCES
    app/app.cpp app/app.h
    app/first_paint_report.cpp app/first_paint_report.h
)

qt_add_library(quillmark_gui STATIC ${QUILLMARK_DOCUMENTS_SOURCES} ${QUILLMARK_UI_SOURCES} ${QUILLMARK_APP_SOURCES})
target_include_directories(quillmark_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quillmark_gui PUBLIC Quillmark::Core Qt6::Widgets Qt6::PrintSupport)
target_compile_options(quillmark_gui PRIVATE -Wall -Wextra -Wpedantic)
if(COMMAND quillmark_ui_resources)
    quillmark_ui_resources(quillmark_gui)
endif()

qt_add_executable(quillmark app/main.cpp)
target_link_libraries(quillmark PRIVATE quillmark_gui)
