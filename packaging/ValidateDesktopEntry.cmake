# cmake -DVALIDATOR=desktop-file-validate -DENTRY=file.desktop -P ValidateDesktopEntry.cmake
#
# Passes only when the validator has nothing at all to say: an error, a warning or a
# hint about a key the validator does not know fails, since a menu built on that
# validator's rules would not know it either.
execute_process(COMMAND ${VALIDATOR} ${ENTRY}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
string(STRIP "${output}" output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "${ENTRY} is not a clean desktop entry (status ${status}):\n${output}")
endif()
