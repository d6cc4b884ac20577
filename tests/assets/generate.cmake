# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the asset generator into a fresh, empty folder: cmake -DGENERATOR=... -DOUT=... -P generate.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${GENERATOR}" "${OUT}" RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "vm-assetgen failed (${rc})")
endif()
