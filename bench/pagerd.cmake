find_package(SQLite3 REQUIRED)
tl_add_bench(bench_pagerd
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/pagerd_bench.cpp ${PROJECT_SOURCE_DIR}/tools/cli/snpp_client.cpp
    LIBS tl_test_support SQLite::SQLite3)
target_include_directories(bench_pagerd PRIVATE ${PROJECT_SOURCE_DIR}/tools/cli)
target_compile_definitions(bench_pagerd PRIVATE
    TONALINK_PAGERD_PATH="$<TARGET_FILE:tonalink-pagerd>"
    TONALINK_MODEMSIM_PATH="$<TARGET_FILE:tonalink-modemsim>")
add_dependencies(bench_pagerd tonalink-pagerd tonalink-modemsim)
