tl_add_bench(bench_encoder
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/encoder_bench.cpp
        ${PROJECT_SOURCE_DIR}/tests/core/encoder/sample_pager_types.cpp
    LIBS tl_encoder tl_common tl_test_support)
target_include_directories(bench_encoder PRIVATE ${PROJECT_SOURCE_DIR}/tests/core/encoder)
