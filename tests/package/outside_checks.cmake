# Steps shared by the outside-project tests.

# Runs a command; stops the test with its output when it fails.
function(run_step what)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}\n${err}")
  endif()
endfunction()

# Runs an outside program (through EMULATOR when set) and checks what it prints: the
# library's version text, the colour value of red 1, green 2, blue 3 (0x02030201) and,
# when asked to draw, that it drew.
function(check_outside_program program)
  set(input ${WORK}/enter.txt)
  file(WRITE ${input} "\n")  # a console program started under Wine asks for Enter at quit
  execute_process(COMMAND ${EMULATOR} ${program} ${ARGN} INPUT_FILE ${input}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} ${ARGN}: status ${status}\n${out}\n${err}")
  endif()
  set(expected "library: Version  ${VERSION}a\ncolour: 33751553\n")
  if(ARGN)
    string(APPEND expected "window: drawn\n")
  endif()
  # Under Wine lines end in CR LF, and the quit's "> " prompt starts a line.
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REGEX REPLACE "(^|\n)> " "\\1" out "${out}")
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${program} ${ARGN} printed [${out}], expected [${expected}]")
  endif()
endfunction()

# Waits until the window process has written a picture into the folder (it writes it as
# it ends, just after the program) and checks it with check_png.py: a whole PNG with
# something drawn on it.   PYTHON: the interpreter.
function(check_outside_picture folder)
  foreach(attempt RANGE 100)
    file(GLOB pictures ${folder}/luwnd-*.png)
    if(pictures)
      list(GET pictures 0 picture)
      execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/check_png.py ${picture}
                      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
      if(status EQUAL 0)
        return()
      endif()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.1)
  endforeach()
  message(FATAL_ERROR "no whole picture in ${folder}: [${pictures}] ${err}")
endfunction()

# Fails unless every path (relative to the folder) is there.
function(check_files_present folder)
  foreach(file IN LISTS ARGN)
    if(NOT EXISTS ${folder}/${file})
      message(FATAL_ERROR "missing from ${folder}: ${file}")
    endif()
  endforeach()
endfunction()

# Sets out to the one file in folder whose name ends in .<suffix>; fails on none or several.
function(the_one_package folder suffix out)
  file(GLOB found ${folder}/*.${suffix})
  list(LENGTH found count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .${suffix} in ${folder}, found [${found}]")
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()
