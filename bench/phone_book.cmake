tl_add_bench(bench_phone_book
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/phone_book_bench.cpp
    LIBS tl_pagerdata tl_app tl_test_support)
