# Configures, builds and runs the outside project against the installed Lumora.
#   -DPREFIX= -DWORK= -DPROJECT_DIR= -DSOURCES= -DVERSION= -DINSTALLED_BIN=
#   -DLIBDIR= [-DSUFFIX=.exe] [-DTOOLCHAIN=<file>] [-DEMULATOR=<wine>]
#   [-DEXPECT_FORTRAN_MODULE=ON: Lumora::fortran must be there, and its program runs]
include(${CMAKE_CURRENT_LIST_DIR}/outside_checks.cmake)
file(REMOVE_RECURSE ${WORK})
set(configure ${CMAKE_COMMAND} -S ${PROJECT_DIR} -B ${WORK} -DCMAKE_PREFIX_PATH=${PREFIX}
              -DOUTSIDE_SOURCES=${SOURCES} -DOUTSIDE_EXPECT_FORTRAN_MODULE=${EXPECT_FORTRAN_MODULE})
if(TOOLCHAIN)
  # The toolchain keeps package searches inside its own root: name the package folder.
  list(APPEND configure -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DLumora_DIR=${PREFIX}/${LIBDIR}/cmake/Lumora)
endif()
run_step("configure" ${configure})
run_step("build" ${CMAKE_COMMAND} --build ${WORK})

# The static program also opens a window: natively the window process is found on PATH,
# under Wine through LUMORADIR.
if(EMULATOR)
  set(ENV{LUMORADIR} "${INSTALLED_BIN}")
else()
  set(ENV{PATH} "${INSTALLED_BIN}:$ENV{PATH}")
endif()
check_outside_program(${WORK}/outside_static${SUFFIX} window)
check_outside_program(${WORK}/outside_shared${SUFFIX})
if(EXISTS ${WORK}/outside_f77${SUFFIX})
  check_outside_program(${WORK}/outside_f77${SUFFIX})
endif()
if(EXPECT_FORTRAN_MODULE)
  check_outside_program(${WORK}/outside_f90${SUFFIX} window)
endif()
