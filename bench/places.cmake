# SPDX-License-Identifier: GPL-3.0-or-later
# The gazetteer lookup benchmark; included from bench/CMakeLists.txt. The
# gazetteer exists only in a build with the desktop windows.
if(TARGET velnora_places)
  add_executable(bench_places ${CMAKE_CURRENT_LIST_DIR}/places_bench.cpp)
  target_link_libraries(bench_places PRIVATE velnora_places velnora_bench_support benchmark::benchmark)
  target_compile_definitions(bench_places PRIVATE VELNORA_CLI="$<TARGET_FILE:velnora-cli>")
  add_dependencies(bench_places velnora-cli velnora_gazetteer)
endif()
