# quillo-tool help: pages as text, the topic list, and its exit statuses.

include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

run_tool(0 out help H_klondike --file ${HELP})
if(NOT out MATCHES "^Klondike\n" OR NOT out MATCHES "Winning")
  message(FATAL_ERROR "help H_klondike printed:\n${out}")
endif()
run_tool(0 out help 230 --file ${HELP})
run_tool(0 short help B_gaps --file ${HELP})
if(NOT short MATCHES "^Gaps: short rules")
  message(FATAL_ERROR "help B_gaps printed:\n${short}")
endif()

run_tool(0 out help --list --file ${HELP})
string(REGEX MATCHALL "[^\n]+" topics "${out}")
list(LENGTH topics n)
foreach(t H_klondike B_klondike H_gaps B_gaps 10 230 700)
  list(FIND topics ${t} at)
  if(at EQUAL -1)
    message(FATAL_ERROR "help --list lacks ${t}")
  endif()
endforeach()
if(n LESS 113)
  message(FATAL_ERROR "help --list names only ${n} topics")
endif()

# An unknown topic: status 2 and one line on stderr.
run_tool(2 out help H_nosuchgame --file ${HELP})
string(REGEX MATCHALL "\n" lines "${last_err}")
list(LENGTH lines nlines)
if(NOT nlines EQUAL 1 OR NOT last_err MATCHES "H_nosuchgame")
  message(FATAL_ERROR "unknown topic said: ${last_err}")
endif()

# A missing or damaged file: the one message, status 1.
file(WRITE ${WORK}/garbage.hlp "not a help file")
foreach(bad ${WORK}/nonexistent.hlp ${WORK}/garbage.hlp)
  run_tool(1 out help H_klondike --file ${bad})
  if(NOT last_err STREQUAL "The help file quillo.hlp is missing or damaged.\n")
    message(FATAL_ERROR "bad file ${bad} said: ${last_err}")
  endif()
endforeach()

foreach(bad "help" "help --list H_klondike" "help H_klondike --bogus 1" "help --file")
  separate_arguments(args UNIX_COMMAND "${bad}")
  run_tool(2 out ${args})
endforeach()
