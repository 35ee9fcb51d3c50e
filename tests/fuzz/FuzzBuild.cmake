# The build of the libFuzzer targets (MARROWTIDE_FUZZ=ON, with clang): the libraries the
# readers live in, instrumented for coverage and built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and one executable per target. No windows, no tests.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz targets need clang (libFuzzer): configure with "
                      "-DCMAKE_CXX_COMPILER=clang++-14, as tools/fuzz.sh does.")
endif()

# Any undefined behaviour stops the run as a finding, like a crash.
set(marrowtide_sanitizers address,undefined)
add_compile_options(-fsanitize=fuzzer-no-link,${marrowtide_sanitizers}
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=${marrowtide_sanitizers})

add_subdirectory(src)

include(${CMAKE_CURRENT_LIST_DIR}/Targets.cmake)
foreach(entry ${marrowtide_fuzz_targets})
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 name)
  list(GET parts 1 source)
  add_executable(fuzz_${name} ${CMAKE_CURRENT_LIST_DIR}/${source})
  target_link_libraries(fuzz_${name} PRIVATE ${marrowtide_fuzz_libraries})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endforeach()
