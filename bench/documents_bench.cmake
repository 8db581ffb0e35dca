# The template scan at start-up over a folder of 5,000 files.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(templates_bench templates_bench.cpp)
target_link_libraries(templates_bench PRIVATE quillmark_gui benchmark::benchmark)
