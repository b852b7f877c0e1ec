# quillo-tool's card-set commands on the data the build made.

include(${CMAKE_CURRENT_LIST_DIR}/run_tool.cmake)

run_tool(0 out inspect ${DATA}/wheels.cr3)
string(JSON version GET "${out}" Version)
string(JSON frames GET "${out}" FramesIndex)
string(JSON backs GET "${out}" BackCount)
string(JSON width GET "${out}" CardSizes 3 Width)
string(JSON step GET "${out}" CardSizes 3 VertStep 1)
string(JSON blocks LENGTH "${out}" PictureLengths)
if(NOT version STREQUAL "2.0" OR NOT frames EQUAL 2 OR NOT backs EQUAL 3 OR NOT width EQUAL 71 OR NOT step EQUAL 20
   OR NOT blocks EQUAL 1)
  message(FATAL_ERROR "unexpected wheels.cr3: ${out}")
endif()

run_tool(0 out inspect ${DATA}/parlour.cr4)
string(JSON version GET "${out}" Version)
string(JSON blocks LENGTH "${out}" PictureLengths)
if(NOT version STREQUAL "3.0" OR NOT blocks EQUAL 4)
  message(FATAL_ERROR "unexpected parlour.cr4: ${out}")
endif()

run_tool(0 out inspect ${DATA}/fr-18-24.frm)
string(JSON title GET "${out}" Title)
string(JSON w GET "${out}" Reserved 0)
string(JSON pitch GET "${out}" FramePitch)
if(NOT title STREQUAL "QTFRAMES" OR NOT w EQUAL 18 OR NOT pitch EQUAL 35)
  message(FATAL_ERROR "unexpected fr-18-24.frm: ${out}")
endif()

# Rejected files: a clear message and status 1.
run_tool(1 out inspect ${DATA}/felt.bmp)
if(NOT last_err MATCHES "not a file of Quillotaire")
  message(FATAL_ERROR "felt.bmp: ${last_err}")
endif()
# A set cut in its preview.
execute_process(COMMAND head -c 1000 ${DATA}/tiny.cr4 OUTPUT_FILE ${WORK}/cut.cr4)
run_tool(1 out inspect ${WORK}/cut.cr4)
if(NOT last_err MATCHES "preview length beyond the end")
  message(FATAL_ERROR "cut.cr4: ${last_err}")
endif()

run_tool(0 out render-cards --cardset ${DATA}/micro.cr3 --out ${WORK}/micro.png)
if(NOT EXISTS ${WORK}/micro.png)
  message(FATAL_ERROR "render-cards wrote no picture")
endif()
run_tool(1 out render-cards --cardset ${WORK}/cut.cr4 --out ${WORK}/none.png)

run_tool(0 out deal --game 0 --number 7 --cardset ${DATA}/tiny.cr4)
string(JSON width GET "${out}" GameRules CardSizes 3 Width)
string(JSON height GET "${out}" GameRules CardSizes 3 Height)
if(NOT width EQUAL 24 OR NOT height EQUAL 32)
  message(FATAL_ERROR "deal --cardset tiny.cr4 gave cards of ${width} x ${height}")
endif()
run_tool(2 out deal --game 0 --number 7 --cardset ${WORK}/cut.cr4)
# A pipe named as a card set is refused at once, not waited on.
file(REMOVE ${WORK}/pipe.cr3)
execute_process(COMMAND mkfifo ${WORK}/pipe.cr3)
run_tool(2 out deal --game 0 --number 7 --cardset ${WORK}/pipe.cr3)
run_tool(1 out render-cards --cardset ${WORK}/pipe.cr3 --out ${WORK}/none.png)
file(REMOVE ${WORK}/pipe.cr3)

# A directory that cannot be written: the reason, status 1, nothing half-made.
run_tool(1 out make-data ${WORK}/no-such-dir/data)
if(NOT last_err MATCHES "no-such-dir/data/fr-71-110.frm")
  message(FATAL_ERROR "make-data into a missing directory: ${last_err}")
endif()
run_tool(2 out make-data)
