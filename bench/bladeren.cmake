# The browsing benchmark drives the window, so it needs the Qt library.
add_executable(bladeren_bench bladeren_bench.cpp)
target_link_libraries(bladeren_bench PRIVATE gedenkjes_gui gedenkjes_bench_support gedenkjes_warnings)
set_target_properties(bladeren_bench PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
