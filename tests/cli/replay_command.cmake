# SPDX-License-Identifier: GPL-3.0-or-later
# vellmora-tool replay on the records the fuzzer starts from: a whole record
# (as JSON and as text), one cut off inside its last frame, a file that is no
# record, and a call without a file.
#   cmake -DTOOL=<vellmora-tool> -DCORPUS=<fuzz/corpus/replay> -P replay_command.cmake

function(run expected_rc)
  execute_process(COMMAND ${TOOL} replay ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "replay ${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_equal actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "got:\n${actual}\nexpected:\n${expected}")
  endif()
endfunction()

# Four frames at speed 3, the goal's celebration starting on frame 2.
run(0 ${CORPUS}/kickoff.dat --json)
expect_equal("${out}" "{\"frames\":4,\"step\":12,\"speed\":3,\"goals\":[2],\"cut_short\":false,\"problem\":null}\n")
run(0 ${CORPUS}/kickoff.dat)
expect_equal("${out}" "frames 4\nspeed 3 (counter step 12 a frame)\ngoals 1 at frames 2\n")

# The same record cut off inside its last frame: the three whole frames.
run(0 --json ${CORPUS}/cutshort.dat)
expect_equal("${out}"
  "{\"frames\":3,\"step\":12,\"speed\":3,\"goals\":[2],\"cut_short\":true,\"problem\":\"記録が4コマ目の途中で切れています\"}\n")

run(2 ${CMAKE_CURRENT_LIST_FILE})
if(NOT err MATCHES "^このファイルは読み込めません: ")
  message(FATAL_ERROR "a file that is no record: ${err}")
endif()
run(1)
