# Installs the build tree into a fresh prefix and checks that the key files are there.
#   -DBUILD_DIR=<build tree> -DPREFIX=<prefix> -DEXPECT_FILES=<paths under the prefix>
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${out}\n${err}")
endif()
foreach(file IN LISTS EXPECT_FILES)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
