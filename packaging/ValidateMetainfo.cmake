# cmake -DVALIDATOR=appstreamcli -DMETAINFO=file.metainfo.xml -DBINDIR=bin -P ValidateMetainfo.cmake
#
# Passes when the pedantic validation finds no error, warning or information. The one
# pedantic remark it makes, that the component id has capital letters, stays: the id
# is the desktop entry's name and the icon's, which installed systems already know.
execute_process(COMMAND ${VALIDATOR} validate --pedantic --no-net ${METAINFO}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
string(REGEX REPLACE "P: [^\n]*: cid-contains-uppercase-letter [^\n]*" "" rest "${output}")
if(NOT status EQUAL 0 OR rest MATCHES "(^|\n)[EWIP]: ")
  message(FATAL_ERROR "${METAINFO} does not validate cleanly (status ${status}):\n${output}")
endif()
message("${output}")

# Software centres find a program by the binaries the metainfo provides: each
# installed one must be named.
file(READ ${METAINFO} metainfo)
file(GLOB binaries RELATIVE ${BINDIR} ${BINDIR}/*)
foreach(binary IN LISTS binaries)
  string(FIND "${metainfo}" "<binary>${binary}</binary>" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${METAINFO} does not provide the installed ${binary}")
  endif()
endforeach()
