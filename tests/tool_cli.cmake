# quillo-tool as a script would use it: outputs and exit statuses.

include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

run_tool(0 out catalogue)
string(JSON n LENGTH "${out}")
if(NOT n EQUAL 55)
  message(FATAL_ERROR "catalogue lists ${n} games")
endif()
string(JSON name GET "${out}" 23 name)
string(JSON level GET "${out}" 23 level)
if(NOT name STREQUAL "Napoleon's Tomb" OR NOT level STREQUAL "H")
  message(FATAL_ERROR "catalogue entry 23 is ${name} ${level}")
endif()

run_tool(0 out deal --game 0 --number 123456)
string(JSON caption GET "${out}" Caption)
string(JSON label GET "${out}" StartRankLabel)
string(JSON x GET "${out}" Piles 12 X)
string(JSON y GET "${out}" Piles 12 Y)
string(JSON width GET "${out}" GameRules CardSizes 3 Width)
string(JSON step GET "${out}" GameRules CardSizes 3 VertStep 1)
string(JSON cards LENGTH "${out}" Cards)
if(NOT caption STREQUAL "Quillotaire - Klondike [123456]" OR NOT label STREQUAL "Starting Rank: Ace"
   OR NOT x EQUAL 678 OR NOT y EQUAL 131 OR NOT width EQUAL 71 OR NOT step EQUAL 20 OR NOT cards EQUAL 52)
  message(FATAL_ERROR "unexpected Klondike deal: ${caption} ${label} ${x} ${y} ${width} ${step} ${cards}")
endif()

run_tool(0 out deal --game 41 --number 5 --width 900 --height 650 --screen 1024x700 --toolbar 40)
string(JSON label TYPE "${out}" StartRankLabel)
string(JSON fw GET "${out}" GameRules FieldWidth)
string(JSON fh GET "${out}" GameRules FieldHeight)
if(NOT label STREQUAL "NULL" OR NOT fw EQUAL 900 OR NOT fh EQUAL 618)
  message(FATAL_ERROR "Monte Carlo on a small screen: ${label} ${fw}x${fh}")
endif()

# Fitted cards: the chosen size is the deal's card size, in a field of exactly
# the given size, and fills at least a fifth of its height.
run_tool(0 out deal --game 0 --number 1 --width 1920 --height 1080 --cards fit)
string(JSON ch GET "${out}" CardFit Height)
string(JSON cw GET "${out}" CardFit Width)
string(JSON dh GET "${out}" GameRules CardSizes 3 Height)
string(JSON dw GET "${out}" GameRules CardSizes 3 Width)
string(JSON fw GET "${out}" GameRules FieldWidth)
string(JSON fh GET "${out}" GameRules FieldHeight)
math(EXPR fifth "${ch} * 5")
if(NOT ch EQUAL dh OR NOT cw EQUAL dw OR NOT fw EQUAL 1920 OR NOT fh EQUAL 1080 OR fifth LESS 1080)
  message(FATAL_ERROR "fitted Klondike: ${cw}x${ch} cards, dealt ${dw}x${dh}, field ${fw}x${fh}")
endif()

foreach(bad "deal" "deal --game 55 --number 1" "deal --game 0 --number -1" "deal --game 0 --number 4294967296"
            "deal --game 0 --number 12x" "deal --game 0 --number 1 --screen 100" "deal --game 0 --number 1 --bogus 3"
            "deal --game -1 --number 1" "nonsense" "catalogue extra" "inspect" "inspect a b" "inspect --file x"
            "play --load nowhere.sav" "deal --game 0 --number 1 --cards big")
  separate_arguments(args UNIX_COMMAND "${bad}")
  run_tool(2 out ${args})
  string(FIND "${last_err}" "\n" nl)
  string(LENGTH "${last_err}" len)
  math(EXPR last "${len} - 1")
  if(len EQUAL 0 OR NOT nl EQUAL last)
    message(FATAL_ERROR "'${bad}' should print one error line, printed: ${last_err}")
  endif()
endforeach()

# inspect refuses what it cannot read with status 1 and one line naming the file.
run_tool(1 out inspect ${CMAKE_CURRENT_LIST_FILE})
if(NOT last_err MATCHES "not a file of Quillotaire's own")
  message(FATAL_ERROR "inspect of a text file: ${last_err}")
endif()
run_tool(1 out inspect ${CMAKE_CURRENT_LIST_DIR}/no-such-file.sav)
