# cmake -DPROGRAM=path/to/marrowtide -P ProgramExit.cmake
# The program's exit status and message for command lines it does not run a window for,
# run as over ssh or from a script: no display and no platform named.
cmake_minimum_required(VERSION 3.25)
set(cases
  "--database|/nonexistent/people.mdb|3|does not exist"
  "--frobnicate||2|Unknown option"
  "--version||0|Marrowtide 1.0"
  "--help||0|--database <FILE>"
  "--help||0|Usage: marrowtide [options]")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 option)
  list(GET fields 1 value)
  list(GET fields 2 expected_status)
  list(GET fields 3 expected_text)
  set(args ${option})
  if(value)
    list(APPEND args ${value})
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY
                          --unset=WAYLAND_DISPLAY ${PROGRAM} ${args}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  string(FIND "${out}${err}" "${expected_text}" at)
  if(NOT status STREQUAL expected_status OR at EQUAL -1)
    message(SEND_ERROR "${args}: status ${status}, output:\n${out}${err}")
  endif()
endforeach()
