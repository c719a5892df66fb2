# Packages made by `cpack` in a build tree, from the install rules: a Debian package on
# Linux, a zip on Windows (the MinGW build). Both hold the libraries (static and shared),
# the headers, the Fortran files, luwnd, fourier, the examples, the package files for
# CMake and pkg-config, and the guide.
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "Lumora")
set(CPACK_PACKAGE_CONTACT "Lumora developers <lumora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Graphics client library for C and Fortran programs, with its window process luwnd")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The programs without their debugging information (the static libraries keep theirs).
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME lumora-${PROJECT_VERSION}-win64)
  # One folder in the zip, named like the zip, so that unpacking it scatters nothing.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
  # The library's fallback for finding luwnd is the prefix it was built for: the package
  # installs there too (configure with -DCMAKE_INSTALL_PREFIX=/usr for a system package).
  set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
  # Depends: from the shared libraries the programs and the library link (dpkg-shlibdeps).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The shlibs file tells packages built against liblumora.so.N what to depend on.
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
  # Pango draws text with any installed font; without one there is no text.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, pkg-config")
endif()

include(CPack)
