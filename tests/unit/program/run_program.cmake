# Runs the fourier program with scripted standard input and checks its console.
#   -DPROGRAM=<exe> [-DEMULATOR=<wine>] -DINPUT=<text, \n for line ends>
#   -DEXPECT_STATUS=zero|nonzero [-DEXPECT_OUT=<exact stdout>|] [-DEXPECT_ERR=<regex>]
#   [-DEXPECT_NO_ERR=ON]  (stderr must be empty)
# EXPECT_OUT ends with a "|" that is not part of the text: -D would drop trailing blanks.
string(REPLACE "\\n" "\n" input "${INPUT}")
set(input_file ${CMAKE_CURRENT_BINARY_DIR}/fourier_input_${EXPECT_STATUS}_${CHECK_NAME}.txt)
file(WRITE ${input_file} "${input}")
execute_process(COMMAND ${EMULATOR} ${PROGRAM}
                INPUT_FILE ${input_file}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status
                TIMEOUT 60)
file(REMOVE ${input_file})

if(NOT status MATCHES "^[0-9]+$")
  message(FATAL_ERROR "fourier did not end normally: ${status}")
endif()
if(EXPECT_STATUS STREQUAL "zero" AND NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, expected 0; stderr: ${err}")
endif()
if(EXPECT_STATUS STREQUAL "nonzero" AND status EQUAL 0)
  message(FATAL_ERROR "exit status 0, expected a failure")
endif()
string(REGEX REPLACE "[|]$" "" expected_out "${EXPECT_OUT}")
if(DEFINED EXPECT_OUT AND NOT out STREQUAL "${expected_out}")
  message(FATAL_ERROR "stdout is [${out}], expected [${expected_out}]")
endif()
if(DEFINED EXPECT_ERR AND NOT err MATCHES "${EXPECT_ERR}")
  message(FATAL_ERROR "stderr is [${err}], expected to match [${EXPECT_ERR}]")
endif()
if(EXPECT_NO_ERR AND NOT err STREQUAL "")
  message(FATAL_ERROR "stderr is [${err}], expected nothing")
endif()
