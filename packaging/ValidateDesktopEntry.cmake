# cmake -DVALIDATOR=desktop-file-validate -DENTRY=file.desktop -P ValidateDesktopEntry.cmake
#
# Passes when the validator finds nothing wrong. Validators older than 0.27 (Debian 12
# has 0.26) predate version 1.5 of the desktop entry format and call its
# SingleMainWindow key an error; that one message is let through, any other fails.
execute_process(COMMAND ${VALIDATOR} ${ENTRY}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
message("${output}")
if(status EQUAL 0)
  return()
endif()
string(REGEX REPLACE "[^\n]*error: file contains key \"SingleMainWindow\"[^\n]*" "" rest "${output}")
if(rest MATCHES "error:" OR NOT output MATCHES "SingleMainWindow")
  message(FATAL_ERROR "${ENTRY} is not a valid desktop entry")
endif()
