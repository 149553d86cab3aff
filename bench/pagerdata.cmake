tl_add_bench(bench_pagerdata
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pagerdata_bench.cpp
    LIBS tl_pagerdata tl_test_support)
