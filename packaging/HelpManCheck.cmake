# cmake -DCLI=marrowtide-cli -DMANPAGE=marrowtide-cli.1 -DCOMPLETION=file -P HelpManCheck.cmake
#
# The commands and options that `marrowtide-cli --help` shows must be the ones its
# manual page and its bash completion know: a command or option added to the program
# fails here until both are told of it.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CLI} --help ended with status ${status}")
endif()
file(READ ${MANPAGE} man)
file(READ ${COMPLETION} completion)

# Every "--name" in a text, sorted, once each; the manual page spells it "\-\-name".
function(options_in text out)
  string(REPLACE "\\-" "-" text "${text}")
  string(REGEX MATCHALL "--[a-z][a-z-]*" found "${text}")
  list(REMOVE_DUPLICATES found)
  list(SORT found)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# --help: the first word of each line indented by two spaces under "Commands:".
string(REGEX MATCH "\nCommands:\n(.*)" after "${help}")
string(REGEX REPLACE "\n\n.*" "" block "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "(^|\n)  [a-z][a-z-]*" help_commands "${block}")
list(TRANSFORM help_commands REPLACE "^\n?  " "")

# The manual page: the first word after each .TP of the COMMANDS section.
string(REGEX MATCH "\n\\.SH COMMANDS\n(.*)" after "${man}")
string(REGEX REPLACE "\n\\.SH .*" "" block "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "\\.TP\n[^\n]*" man_commands "${block}")
list(TRANSFORM man_commands REPLACE "^\\.TP\n(\\.B[IR]? +)?(\\\\fB)?([a-z][a-z-]*).*" "\\3")

# The completion: its list of commands.
string(REGEX MATCH "commands=\"([^\"]*)\"" found "${completion}")
string(REPLACE " " ";" completion_commands "${CMAKE_MATCH_1}")

options_in("${help}" help_options)
options_in("${man}" man_options)
options_in("${completion}" completion_options)

set(failed FALSE)
function(compare what help_list other_list other_name)
  list(SORT help_list)
  list(SORT other_list)
  foreach(item IN LISTS help_list)
    if(NOT item IN_LIST other_list)
      message(SEND_ERROR "marrowtide-cli --help shows the ${what} '${item}'; "
                         "${other_name} does not: describe it there too.")
    endif()
  endforeach()
  foreach(item IN LISTS other_list)
    if(NOT item IN_LIST help_list)
      message(SEND_ERROR "${other_name} has the ${what} '${item}', "
                         "which marrowtide-cli --help does not show.")
    endif()
  endforeach()
endfunction()

if(NOT help_commands)
  message(FATAL_ERROR "no commands found in the output of ${CLI} --help")
endif()
compare(command "${help_commands}" "${man_commands}" "the manual page ${MANPAGE}")
compare(command "${help_commands}" "${completion_commands}" "the bash completion ${COMPLETION}")
compare(option "${help_options}" "${man_options}" "the manual page ${MANPAGE}")
compare(option "${help_options}" "${completion_options}" "the bash completion ${COMPLETION}")
message("commands: ${help_commands}; options: ${help_options}")
