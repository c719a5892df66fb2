# Makes the build tree's packages with cpack into a fresh folder, so that the tests after
# it unpack exactly what this build gives.
#   -DCPACK=<cpack> -DCONFIG=<build tree>/CPackConfig.cmake -DPACKAGES=<folder>
#   -DEXPECT=<file name of the package>
include(${CMAKE_CURRENT_LIST_DIR}/outside_checks.cmake)
file(REMOVE_RECURSE ${PACKAGES})
run_step("cpack" ${CPACK} --config ${CONFIG} -B ${PACKAGES})
check_files_present(${PACKAGES} ${EXPECT})
