# The browsing benchmark drives the window, so it needs the Qt library.
add_executable(bladeren_bench bladeren_bench.cpp bench_util.cpp genereer.cpp)
target_link_libraries(bladeren_bench PRIVATE gedenkjes_gui gedenkjes_warnings)
target_include_directories(bladeren_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
