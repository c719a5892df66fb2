# Runs an example program headless and checks that it ends cleanly and, where the window
# process draws, that it left a picture.
#   -DPROGRAM=<exe> [-DEMULATOR=<wine>] -DPICTURES=<folder> -DEXPECT_PICTURE=ON|OFF
#   [-DMIN_BYTES=<the least size of a picture with figures, 4000 unless given>]
#   [-DARGS=<the program's arguments, a list>] [-DEXPECT_OUTPUT=<a regular expression the
#   program's output must match>]
file(REMOVE_RECURSE ${PICTURES})
file(MAKE_DIRECTORY ${PICTURES})
set(ENV{LUMORA_OUTPUT} ${PICTURES})
if(EMULATOR)
  string(REPLACE "/" "\\" windows_pictures "Z:${PICTURES}")
  set(ENV{LUMORA_OUTPUT} "${windows_pictures}")
endif()
set(input ${PICTURES}/enter.txt)
file(WRITE ${input} "\n")  # a console program started under Wine asks for Enter at quit
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS} INPUT_FILE ${input}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM}: status ${status}\n${out}\n${err}")
endif()
if(EXPECT_OUTPUT AND NOT out MATCHES "${EXPECT_OUTPUT}")
  message(FATAL_ERROR "${PROGRAM}: the output does not match ${EXPECT_OUTPUT}:\n${out}\n${err}")
endif()
if(NOT EXPECT_PICTURE)
  return()
endif()
# The window process writes the pictures as it ends, just after the program; wait until a
# whole PNG file with the figures is there (one far larger than an empty page; a page of a
# few flat squares packs small, so any of the program's pages will do).
if(NOT MIN_BYTES)
  set(MIN_BYTES 4000)
endif()
set(size 0)
foreach(attempt RANGE 100)
  file(GLOB pictures ${PICTURES}/luwnd-*.png)
  foreach(picture IN LISTS pictures)
    file(SIZE ${picture} size)
    file(READ ${picture} signature LIMIT 8 HEX)
    if(size GREATER MIN_BYTES AND signature STREQUAL "89504e470d0a1a0a")
      return()
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.1)
endforeach()
message(FATAL_ERROR "${PROGRAM} left no picture with figures in ${PICTURES} (${pictures}, ${size} bytes)")
