tl_add_bench(bench_typeedit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/typeedit_bench.cpp
    LIBS tl_typeedit tl_test_support)
target_compile_definitions(bench_typeedit PRIVATE
    TONALINK_SAMPLE_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
