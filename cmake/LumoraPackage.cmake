# The install tree's package files: the CMake package (find_package(Lumora) gives
# Lumora::lumora, static, and Lumora::lumora_shared) and the pkg-config file lumora.pc.
include(CMakePackageConfigHelpers)

set(LUMORA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Lumora)
install(EXPORT LumoraTargets NAMESPACE Lumora:: DESTINATION ${LUMORA_CMAKE_DIR})
configure_package_config_file(cmake/LumoraConfig.cmake.in
  ${PROJECT_BINARY_DIR}/package/LumoraConfig.cmake INSTALL_DESTINATION ${LUMORA_CMAKE_DIR} PATH_VARS CMAKE_INSTALL_BINDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/LumoraConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/LumoraConfig.cmake
              ${PROJECT_BINARY_DIR}/package/LumoraConfigVersion.cmake
        DESTINATION ${LUMORA_CMAKE_DIR})

# lumora.pc finds its prefix from its own place, so the tree can be moved.
file(RELATIVE_PATH LUMORA_PC_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
set(LUMORA_PC_PREFIX "\${pcfiledir}/${LUMORA_PC_PREFIX}")
string(REGEX REPLACE "/$" "" LUMORA_PC_PREFIX "${LUMORA_PC_PREFIX}")
# A static link needs the C++ runtime and the platform's system libraries.
set(LUMORA_PC_PRIVATE -lstdc++)
foreach(library IN LISTS LUMORA_SYSTEM_LIBRARIES)
  string(APPEND LUMORA_PC_PRIVATE " -l${library}")
endforeach()
if(WIN32)
  string(APPEND LUMORA_PC_PRIVATE " -static")
endif()
configure_file(cmake/lumora.pc.in ${PROJECT_BINARY_DIR}/package/lumora.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/package/lumora.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Fortran module, for the compiler that built it: lumora-fortran.pc adds its folder
# and liblumora_fortran to what lumora.pc gives (lumora.inc comes with lumora.h).
if(TARGET lumora_fortran)
  configure_file(cmake/lumora-fortran.pc.in ${PROJECT_BINARY_DIR}/package/lumora-fortran.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/package/lumora-fortran.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()

# The guide with the pictures it shows.
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
