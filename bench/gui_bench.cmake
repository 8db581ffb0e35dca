# The desktop program's responsiveness: redrawing the worst-case code, and the start-up time measured by
# scripts/bench-startup against a bare Qt window.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)

add_executable(gui_bench gui_bench.cpp)
target_link_libraries(gui_bench PRIVATE quillmark_gui benchmark::benchmark)

# The yardstick of the start-up benchmark: an empty Qt window of the main window's size, reporting its
# first paint exactly as the program does.
add_executable(bare_window_bench bare_window_bench.cpp ${PROJECT_SOURCE_DIR}/src/app/first_paint_report.cpp)
target_include_directories(bare_window_bench PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bare_window_bench PRIVATE Qt6::Widgets)
