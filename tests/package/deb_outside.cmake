# Unpacks the Debian package into a root of its own (dpkg-deb -x: nothing is installed),
# checks what it holds and what it depends on, and builds and runs the outside program
# against it with the package's lumora.pc.
#   -DPACKAGES=<folder with the .deb> -DWORK= -DSOURCES= -DPREFIX=<install prefix>
#   -DLIBDIR= -DDPKG_DEB= -DPKG_CONFIG= -DC_COMPILER= -DPYTHON= -DVERSION=
#   -DEXPECT_FILES=<paths under the prefix>
include(${CMAKE_CURRENT_LIST_DIR}/outside_checks.cmake)
the_one_package(${PACKAGES} deb deb)
file(REMOVE_RECURSE ${WORK})
set(root ${WORK}/root)
file(MAKE_DIRECTORY ${root})
run_step("dpkg-deb -x" ${DPKG_DEB} -x ${deb} ${root})
set(prefix ${root}${PREFIX})
check_files_present(${prefix} ${EXPECT_FILES})

# The dependencies come from the shared libraries that luwnd and the library link.
execute_process(COMMAND ${DPKG_DEB} -f ${deb} Depends OUTPUT_VARIABLE depends
                OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE status)
foreach(needed libc6 libcairo2 libpango-1.0-0 libx11-6)
  if(NOT status EQUAL 0 OR NOT depends MATCHES "(^|, )${needed}( |,|$)")
    message(FATAL_ERROR "Depends does not name ${needed}: [${depends}]")
  endif()
endforeach()

# Only the unpacked lumora.pc may answer; it finds its prefix from its own place.
set(ENV{PKG_CONFIG_LIBDIR} ${prefix}/${LIBDIR}/pkgconfig)
foreach(query cflags libs static)
  if(query STREQUAL static)
    set(arguments --static --libs)
  else()
    set(arguments --${query})
  endif()
  execute_process(COMMAND ${PKG_CONFIG} ${arguments} lumora OUTPUT_VARIABLE ${query}
                  RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "pkg-config ${arguments} lumora failed in ${root}")
  endif()
  separate_arguments(${query} UNIX_COMMAND "${${query}}")
endforeach()
# Beside the shared library the archive is taken by its name.
list(TRANSFORM static REPLACE "^-llumora$" "-l:liblumora.a")
set(source ${SOURCES}/outside_program.c)
run_step("cc (shared)" ${C_COMPILER} -std=c99 ${cflags} -o ${WORK}/outside_shared ${source} ${libs})
run_step("cc (static)" ${C_COMPILER} -std=c99 ${cflags} -o ${WORK}/outside_static ${source} ${static})

set(ENV{LD_LIBRARY_PATH} ${prefix}/${LIBDIR})
execute_process(COMMAND ldd ${WORK}/outside_shared OUTPUT_VARIABLE linked)
if(NOT linked MATCHES "liblumora\\.so[.0-9]* => ${prefix}/${LIBDIR}/")
  message(FATAL_ERROR "outside_shared does not use the unpacked library:\n${linked}")
endif()
# The library's last resort for finding luwnd is the prefix it was built for, which the
# unpacked root is not: the package's bin folder goes on PATH, as after installing it.
unset(ENV{LUMORADIR})
set(ENV{PATH} "${prefix}/bin:$ENV{PATH}")
set(pictures ${WORK}/pictures)
file(MAKE_DIRECTORY ${pictures})
set(ENV{LUMORA_OUTPUT} ${pictures})
check_outside_program(${WORK}/outside_shared window)
check_outside_picture(${pictures})
check_outside_program(${WORK}/outside_static)
