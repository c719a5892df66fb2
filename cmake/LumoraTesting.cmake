# Test helpers shared by every test folder.
#
# Natively GoogleTest comes from the Debian package. For the MinGW build it is compiled
# from Debian's googletest sources with the posix-thread compilers of the toolchain.
# Under cross-compiling every test runs through the emulator (Wine); a fixture starts
# and warms the wineserver first and stops it at the end, so Wine's helper processes
# never hold ctest's pipes open.

function(lumora_find_gtest)
  if(TARGET GTest::gtest_main)
    return()
  endif()
  if(CMAKE_CROSSCOMPILING)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(LUMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    add_subdirectory(${LUMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Debian's sources define the namespaced names themselves; older ones do not.
    if(NOT TARGET GTest::gtest)
      add_library(GTest::gtest ALIAS gtest)
    endif()
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
endfunction()

# Fixture that readies Wine for the tests of a cross build: the prefix made, its fonts
# pinned (tests/wine_fonts.sh), the wineserver running.
function(lumora_wine_fixture)
  get_property(defined GLOBAL PROPERTY LUMORA_WINE_FIXTURE)
  if(NOT CMAKE_CROSSCOMPILING OR defined)
    return()
  endif()
  set_property(GLOBAL PROPERTY LUMORA_WINE_FIXTURE TRUE)
  set(prefix ${CMAKE_BINARY_DIR}/wineprefix)
  add_test(NAME wine_start
           COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${prefix} WINEDEBUG=-all
                   sh -c "wineserver -p </dev/null >/dev/null 2>&1; wine wineboot </dev/null >/dev/null 2>&1; sh ${PROJECT_SOURCE_DIR}/tests/wine_fonts.sh ${prefix}; true")
  set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
  add_test(NAME wine_stop
           COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${prefix} sh -c "wineserver -k </dev/null >/dev/null 2>&1; true")
  set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
endfunction()

# Environment every test gets: no display (a window process started by a test must not
# open windows on the developer's screen and stay there; tests that want a screen start
# Xvfb and name it), and under Wine the prefix and quiet Wine.
function(lumora_test_environment test)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT DISPLAY= WAYLAND_DISPLAY=)
  if(CMAKE_CROSSCOMPILING)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
                 WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all)
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED wine)
  endif()
endfunction()

# Test programs build for speed, as most of a build's time goes into them: GoogleTest's
# header precompiled, and the tests' own code not optimised (the code under test comes
# from the libraries, which build as they ship). Natively one program with the tests'
# options makes the header once and every test program reuses it; the MinGW build, where
# reusing it measured slower, makes it per program.
function(lumora_quick_test_build target)
  set(header $<$<COMPILE_LANGUAGE:CXX>:<gtest/gtest.h$<ANGLE-R>>)
  lumora_test_compile_options(${target})
  if(WIN32)
    target_precompile_headers(${target} PRIVATE ${header})
    return()
  endif()
  if(NOT TARGET lumora_gtest_pch)
    lumora_find_gtest()
    add_executable(lumora_gtest_pch EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tests/gtest_pch_host.cpp)
    target_link_libraries(lumora_gtest_pch PRIVATE GTest::gtest_main)
    target_precompile_headers(lumora_gtest_pch PRIVATE ${header})
    lumora_test_compile_options(lumora_gtest_pch)
  endif()
  target_precompile_headers(${target} REUSE_FROM lumora_gtest_pch)
endfunction()

# The options every test program compiles with. A precompiled header serves only code
# compiled as it was, and the tests that draw with Cairo get -pthread from its flags: so
# all of them take it.
function(lumora_test_compile_options target)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-O0>)
  if(NOT WIN32)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-pthread>)
  endif()
endfunction()

# lumora_add_gtest(name SOURCES ... LIBS ...): one GoogleTest program, one ctest entry.
function(lumora_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  lumora_find_gtest()
  lumora_wine_fixture()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  lumora_quick_test_build(${name})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  lumora_test_environment(${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# The path as the test programs see it: under Wine the Unix root is drive Z:.
function(lumora_program_path out path)
  if(CMAKE_CROSSCOMPILING)
    string(REPLACE "/" "\\" path "Z:${path}")
  endif()
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

# Environment for a test that runs a program which finds and starts luwnd by itself:
# luwnd from the build tree, a namespace of the test's own, pictures in the build tree.
function(lumora_window_program_environment test)
  lumora_program_path(luwnd_dir "$<TARGET_FILE_DIR:luwnd>")
  set(pictures ${CMAKE_BINARY_DIR}/pictures)
  file(MAKE_DIRECTORY ${pictures})
  lumora_program_path(picture_dir "${pictures}")
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
               "LUMORADIR=${luwnd_dir}" "LUMORA_NAMESPACE=${test}" "LUMORA_OUTPUT=${picture_dir}")
endfunction()
