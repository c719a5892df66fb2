# Runs a Windows program under Wine with a Japanese locale (Wine then reports ANSI code
# page 932) where no window process can be found, and checks that the message on the
# error stream is the Japanese text in Shift-JIS (its first line: the second names the
# places searched).
#   -DEMULATOR=<wine> -DPROGRAM=<exe> -DWORKDIR=<an empty directory> -DEXPECTED_HEX=<bytes>
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${EMULATOR} ${PROGRAM}
                INPUT_FILE ${WORKDIR}/../japanese_message_input.txt
                WORKING_DIRECTORY ${WORKDIR}
                OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
string(FIND "${err}" "\n" line_end)
if(line_end GREATER_EQUAL 0)
  math(EXPR line_length "${line_end} + 1")
  string(SUBSTRING "${err}" 0 ${line_length} err)
endif()
string(HEX "${err}" hex)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1; stderr (hex): ${hex}")
endif()
if(NOT hex STREQUAL EXPECTED_HEX)
  message(FATAL_ERROR "stderr (hex) is ${hex}, expected ${EXPECTED_HEX}")
endif()
