# Unpacks the Windows zip, checks what it holds and that its programs and DLL need no DLL
# beyond Windows' own and the zip's, and builds the outside program with the MinGW
# compiler against the zip's lumora.pc; runs it under Wine.
#   -DPACKAGES=<folder with the .zip> -DWORK= -DSOURCES= -DTOP=<folder name inside the zip>
#   -DEMULATOR=<wine> -DOBJDUMP= -DPKG_CONFIG= -DC_COMPILER= -DPYTHON= -DVERSION=
#   -DEXPECT_FILES=<paths under the zip's folder>
cmake_policy(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/outside_checks.cmake)
the_one_package(${PACKAGES} zip zip)
file(REMOVE_RECURSE ${WORK})
file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${WORK}/unpacked)
set(top ${WORK}/unpacked/${TOP})
check_files_present(${top} ${EXPECT_FILES})

# No DLL hunting: each program and DLL needs only system DLLs or DLLs the zip ships.
set(system_dlls kernel32 user32 gdi32 msvcrt advapi32 shell32 comdlg32 comctl32 ole32
    oleaut32 ws2_32 msimg32 gdiplus winmm shlwapi version imm32 ntdll bcrypt ucrtbase)
file(GLOB_RECURSE binaries ${top}/*.exe ${top}/*.dll)
file(GLOB_RECURSE shipped RELATIVE ${top}/bin ${top}/bin/*.dll)
list(TRANSFORM shipped TOLOWER)
foreach(binary IN LISTS binaries)
  execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${headers}")
  if(NOT status EQUAL 0 OR NOT names)
    message(FATAL_ERROR "${OBJDUMP} -p ${binary} names no DLL (status ${status})")
  endif()
  foreach(name IN LISTS names)
    string(REGEX REPLACE "^DLL Name: *" "" dll "${name}")
    string(TOLOWER "${dll}" dll)
    string(REGEX REPLACE "\\.dll$" "" base "${dll}")
    if(NOT base IN_LIST system_dlls AND NOT dll IN_LIST shipped AND NOT base MATCHES "^api-ms-win-")
      message(FATAL_ERROR "${binary} needs ${dll}, which neither Windows nor the zip has")
    endif()
  endforeach()
endforeach()

# lumora.pc finds its prefix from its own place, wherever the zip was unpacked.
set(ENV{PKG_CONFIG_LIBDIR} ${top}/lib/pkgconfig)
execute_process(COMMAND ${PKG_CONFIG} --cflags --static --libs lumora OUTPUT_VARIABLE flags
                RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config --static --libs lumora failed in ${top}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
file(MAKE_DIRECTORY ${WORK}/shared)
set(source ${SOURCES}/outside_program.c)
run_step("cc (static)" ${C_COMPILER} -std=c99 -o ${WORK}/outside_static.exe ${source} ${flags})
# Against the DLL through its import library; the DLL goes next to the program.
run_step("cc (shared)" ${C_COMPILER} -std=c99 -I${top}/include -o ${WORK}/shared/outside_shared.exe
         ${source} ${top}/lib/liblumora.dll.a)
file(COPY ${top}/bin/liblumora.dll DESTINATION ${WORK}/shared)

# The library's last resort for finding luwnd.exe is the prefix it was built for, which
# the unpacked zip is not: LUMORADIR names the zip's bin folder.
string(REPLACE "/" "\\" windows_bin "Z:${top}/bin")
set(ENV{LUMORADIR} "${windows_bin}")
set(pictures ${WORK}/pictures)
file(MAKE_DIRECTORY ${pictures})
string(REPLACE "/" "\\" windows_pictures "Z:${pictures}")
set(ENV{LUMORA_OUTPUT} "${windows_pictures}")
check_outside_program(${WORK}/outside_static.exe window)
check_outside_picture(${pictures})
check_outside_program(${WORK}/shared/outside_shared.exe)
