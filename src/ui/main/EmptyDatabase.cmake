# Runs with -DMKDB=<the marrowtide-mkdb tool> -DFOLDER=<the program's folder>: makes
# an empty Marrowtide.mdb there unless one exists.
if(NOT EXISTS "${FOLDER}/Marrowtide.mdb")
  execute_process(COMMAND "${MKDB}" "${FOLDER}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "marrowtide-mkdb could not make ${FOLDER}/Marrowtide.mdb")
  endif()
endif()
