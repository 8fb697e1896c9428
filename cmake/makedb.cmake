# Rebuilds the template database from the schema and seed.
file(REMOVE ${OUT})
execute_process(COMMAND ${SQLITE} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building the database failed")
endif()
