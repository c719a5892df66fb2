# Each program in compile_fail/ but accepted.f90 passes a wrong argument: the compiler
# must reject it with the message its first line names ("! expect: <regex>");
# accepted.f90, the same calls done right, must compile against the same module.
#   -DCOMPILER=<gfortran> -DMODULES=<folder of lumora.mod> -DSOURCES=<folder> -DWORK=<folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB programs ${SOURCES}/*.f90)
foreach(program IN LISTS programs)
  get_filename_component(name ${program} NAME_WE)
  execute_process(COMMAND ${COMPILER} -fsyntax-only -I${MODULES} ${program}
                  WORKING_DIRECTORY ${WORK}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(name STREQUAL "accepted")
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${name}: the right arguments were rejected:\n${out}${err}")
    endif()
    continue()
  endif()
  file(STRINGS ${program} expect LIMIT_COUNT 1 REGEX "^! expect: ")
  string(REGEX REPLACE "^! expect: " "" expect "${expect}")
  if(status EQUAL 0)
    message(FATAL_ERROR "${name}: compiled, but passes a wrong argument")
  endif()
  if(NOT "${out}${err}" MATCHES "${expect}")
    message(FATAL_ERROR "${name}: rejected, but not with [${expect}]:\n${out}${err}")
  endif()
  message(STATUS "${name}: rejected")
endforeach()
