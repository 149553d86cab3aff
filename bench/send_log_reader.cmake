tl_add_bench(bench_send_log_reader
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/send_log_reader_bench.cpp
    LIBS tl_modem tl_test_support)
