# Runs the example logbook generator and fails when its output differs from the committed file.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make-example failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "examples/sample.log is out of date: build the example-logbook target")
endif()
