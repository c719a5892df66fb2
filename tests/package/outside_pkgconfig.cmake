# Builds the pkg-config outside project against the installed Lumora and runs both
# programs.   -DPREFIX= -DWORK= -DPROJECT_DIR= -DSOURCES= -DMAKE= -DC_COMPILER= -DVERSION=
#             -DLIBDIR=<lib folder under the prefix> [-DFORTRAN=<compiler of the module>]
include(${CMAKE_CURRENT_LIST_DIR}/outside_checks.cmake)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Only the installed tree: no system-wide lumora.pc may answer.
set(ENV{PKG_CONFIG_LIBDIR} ${PREFIX}/${LIBDIR}/pkgconfig)
run_step("make" ${MAKE} -C ${WORK} -f ${PROJECT_DIR}/Makefile SOURCES=${SOURCES}
         CC=${C_COMPILER} FORTRAN=${FORTRAN})
set(ENV{LD_LIBRARY_PATH} ${PREFIX}/${LIBDIR})
check_outside_program(${WORK}/outside_shared)
# Neither LUMORADIR nor PATH leads to luwnd: the shared library finds it in the bin
# folder beside its own lib folder.
unset(ENV{LUMORADIR})
check_outside_program(${WORK}/outside_shared window)
check_outside_program(${WORK}/outside_static)
if(FORTRAN)
  check_outside_program(${WORK}/outside_f90)
endif()
# The static one must really carry the library inside.
execute_process(COMMAND ldd ${WORK}/outside_static OUTPUT_VARIABLE linked)
if(linked MATCHES "liblumora")
  message(FATAL_ERROR "outside_static uses the shared library:\n${linked}")
endif()
