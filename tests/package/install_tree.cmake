# Installs the build tree into a fresh prefix and checks that the key files are there.
#   -DBUILD_DIR=<build tree> -DPREFIX=<prefix> -DEXPECT_FILES=<paths under the prefix>
include(${CMAKE_CURRENT_LIST_DIR}/outside_checks.cmake)
file(REMOVE_RECURSE ${PREFIX})
run_step("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
check_files_present(${PREFIX} ${EXPECT_FILES})
