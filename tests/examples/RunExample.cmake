# cmake -P script: runs PROGRAM in a fresh WORK_DIR and compares what it prints on standard
# output with the file EXPECTED. Fails on a non-zero exit status, on anything written to
# standard error (the library's reports go there) and on any difference.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${PROGRAM} WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed (${status}):\n${out}\n${err}")
endif()
if(NOT err STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} reported:\n${err}")
endif()
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  file(WRITE ${WORK_DIR}/actual.txt "${out}")
  message(FATAL_ERROR "${PROGRAM} printed other than ${EXPECTED} (see ${WORK_DIR}/actual.txt):\n${out}")
endif()
