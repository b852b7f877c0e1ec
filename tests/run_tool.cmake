# run_tool(status out_var args...): runs quillo-tool, fails the test unless it
# exits with status, and hands back its standard output (and, as last_err,
# its standard error).

function(run_tool expected_status out_var)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "quillo-tool ${ARGN}: status ${status}, expected ${expected_status}\n${out}\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
  set(last_err "${err}" PARENT_SCOPE)
endfunction()
