set(QUILLMARK_UI_SOURCES
    ui/fonts.cpp ui/fonts.h
    ui/maker.cpp ui/maker.h
    ui/edge_layout.cpp ui/edge_layout.h
    ui/arrow_pictures.cpp ui/arrow_pictures.h
    ui/arrow_button.cpp ui/arrow_button.h
    ui/colour_swatch.cpp ui/colour_swatch.h
    ui/code_canvas.cpp ui/code_canvas.h
    ui/alert_window.cpp ui/alert_window.h
    ui/about_window.cpp ui/about_window.h
    ui/prompts.cpp ui/prompts.h
    ui/window1.cpp ui/window1_files.cpp ui/window1.h
    ui/menu.cpp ui/menu.h
)

# The program's own pictures, kept in the executable: the 64 x 64 logo behind the alert's caution icon.
function(quillmark_ui_resources target)
    qt_add_resources(${target} quillmark_ui_resources
        PREFIX /quillmark
        BASE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/resources
        FILES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/resources/logo.png
    )
endfunction()
