# The windows of the program, driven with keys and mouse on the offscreen platform.
foreach(test tst_window tst_spinners tst_window_files tst_menu tst_dialogs)
    quillmark_gui_test(${test} ui_test_support.h)
endforeach()

# Not a test: fills the main window with a three-part code and saves a picture of the screen (run it under
# xvfb-run to make docs/main-window.png).
add_executable(main_window_screenshot main_window_screenshot.cpp)
target_link_libraries(main_window_screenshot PRIVATE quillmark_gui Qt6::Test)
