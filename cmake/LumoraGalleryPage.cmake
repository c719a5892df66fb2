# The gallery as one HTML page, built with everything else and without Doxygen:
# docs/gallery_html.py writes <build>/docs/gallery/docs/gallery.html with the pictures and
# example sources it shows copied beside it (open it in a browser, or copy the folder).
find_package(Python3 QUIET COMPONENTS Interpreter)
if(NOT Python3_Interpreter_FOUND)
  message(STATUS "No python3: the gallery page is not made as HTML")
  return()
endif()
set(LUMORA_GALLERY_HTML_DIR ${PROJECT_BINARY_DIR}/docs/gallery)
set(LUMORA_GALLERY_HTML ${LUMORA_GALLERY_HTML_DIR}/docs/gallery.html)
# Whatever the page can show: a new picture or source makes the page anew.
file(GLOB gallery_inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/images/examples/*.png
     ${PROJECT_SOURCE_DIR}/examples/c/*.c ${PROJECT_SOURCE_DIR}/examples/fortran/*.f
     ${PROJECT_SOURCE_DIR}/examples/fortran/*.f90)
add_custom_command(
  OUTPUT ${LUMORA_GALLERY_HTML}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${LUMORA_GALLERY_HTML_DIR}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/docs/gallery_html.py
          --page ${PROJECT_SOURCE_DIR}/docs/gallery.md --root ${PROJECT_SOURCE_DIR}
          --out ${LUMORA_GALLERY_HTML_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/gallery.md ${PROJECT_SOURCE_DIR}/docs/gallery_html.py
          ${PROJECT_SOURCE_DIR}/docs/markdown_filter.py ${PROJECT_SOURCE_DIR}/docs/plotting.md
          ${gallery_inputs}
  COMMENT "Gallery page (HTML) in ${LUMORA_GALLERY_HTML_DIR}"
  VERBATIM)
add_custom_target(gallery_html ALL DEPENDS ${LUMORA_GALLERY_HTML})
