# Fails when the committed catalogue differs from a fresh generation.
execute_process(COMMAND ${TOOL} ${FRESH} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "indicator_catalogue failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol ${CATALOGUE} ${FRESH}
  RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${CATALOGUE} is stale: regenerate it with "
    "`cmake --build <build> --target update_catalogue` and commit it")
endif()
