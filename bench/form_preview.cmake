tl_add_bench(bench_form_preview
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/form_preview_bench.cpp
    LIBS tl_ui_shell Qt6::Test)
target_compile_definitions(bench_form_preview PRIVATE
    TONALINK_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
