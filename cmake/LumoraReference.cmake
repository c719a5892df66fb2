# The reference manual: `cmake --build <dir> --target doc` turns the doc comments of the
# public headers and the pages in docs/ (the guide, the plotting guide, the gallery) into
# HTML under <dir>/doc/html. Only when Doxygen
# is there (Debian: apt-get install doxygen); the tests never build it.
find_package(Doxygen QUIET)
find_package(Python3 QUIET COMPONENTS Interpreter)
if(NOT DOXYGEN_FOUND OR NOT Python3_Interpreter_FOUND)
  return()
endif()
set(DOXYGEN_PROJECT_NAME Lumora)
set(DOXYGEN_PROJECT_BRIEF "Graphics client library for C and Fortran 77 programs")
set(DOXYGEN_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/doc)
set(DOXYGEN_GENERATE_LATEX NO)
set(DOXYGEN_OPTIMIZE_OUTPUT_FOR_C YES)
set(DOXYGEN_EXTRACT_ALL YES)
set(DOXYGEN_JAVADOC_AUTOBRIEF YES)
# One comment documents all calling forms of an operation.
set(DOXYGEN_DISTRIBUTE_GROUP_DOC YES)
set(DOXYGEN_FULL_PATH_NAMES NO)
# The headers' plain comments become doc comments of their operations (docs/header_filter.py).
# The pages' chapter links and example sources become links of the manual
# (docs/markdown_filter.py).
set(DOXYGEN_FILTER_PATTERNS "*.h=${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/docs/header_filter.py"
    "*.md=${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/docs/markdown_filter.py")
set(DOXYGEN_EXCLUDE_PATTERNS "*/docs/README-snippet.md")
set(DOXYGEN_USE_MDFILE_AS_MAINPAGE ${PROJECT_SOURCE_DIR}/docs/guide.md)
# The pictures of the guide, the plotting guide and the gallery: Doxygen copies each one
# a page shows into the HTML folder.
set(DOXYGEN_IMAGE_PATH ${PROJECT_SOURCE_DIR}/docs/images ${PROJECT_SOURCE_DIR}/docs/images/examples
    ${PROJECT_SOURCE_DIR}/docs/images/plots ${PROJECT_SOURCE_DIR}/docs/images/codes)
# The example sources the gallery links, copied beside the pages.
file(GLOB example_sources ${PROJECT_SOURCE_DIR}/examples/c/*.c
     ${PROJECT_SOURCE_DIR}/examples/fortran/*.f ${PROJECT_SOURCE_DIR}/examples/fortran/*.f90)
set(DOXYGEN_HTML_EXTRA_FILES ${example_sources})
set(DOXYGEN_WARN_IF_UNDOCUMENTED NO)
set(DOXYGEN_QUIET YES)
doxygen_add_docs(doc ${PROJECT_SOURCE_DIR}/client/include ${PROJECT_SOURCE_DIR}/docs
                 COMMENT "Reference manual (HTML) in ${PROJECT_BINARY_DIR}/doc/html")
