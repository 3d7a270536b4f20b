# The offline help page: the user's part of README.md as HTML, made at build
# time so that the two cannot drift, built where the install puts it relative
# to the program (bin/../share/tessaline/help.html), so the program finds it
# the same way in the build tree and installed.
include(GNUInstallDirs)
find_program(TESSALINE_CMARK cmark-gfm REQUIRED)

set(TESSALINE_HELP_DIR ${CMAKE_INSTALL_DATADIR}/tessaline)
set(help_in_data tessaline/help.html)
file(RELATIVE_PATH help_from_program ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/${help_in_data})
set(TESSALINE_HELP_PAGE ${TESSALINE_BIN_DIR}/${help_from_program})
cmake_path(NORMAL_PATH TESSALINE_HELP_PAGE)

add_custom_command(OUTPUT ${TESSALINE_HELP_PAGE}
  COMMAND ${CMAKE_COMMAND} -DREADME=${CMAKE_SOURCE_DIR}/README.md
    -DTEMPLATE=${CMAKE_SOURCE_DIR}/data/help.html.in -DCMARK=${TESSALINE_CMARK}
    -DPAGE=${TESSALINE_HELP_PAGE} -P ${CMAKE_SOURCE_DIR}/cmake/render_help_page.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/data/help.html.in
    ${CMAKE_SOURCE_DIR}/cmake/render_help_page.cmake
  COMMENT "Making the help page from README.md"
  VERBATIM)
add_custom_target(tessaline_help_page DEPENDS ${TESSALINE_HELP_PAGE})
add_dependencies(tessaline tessaline_help_page)
target_compile_definitions(tessaline_app PRIVATE
  TESSALINE_HELP_PAGE_FROM_PROGRAM="${help_from_program}"
  TESSALINE_HELP_PAGE_IN_DATA="${help_in_data}")

install(FILES ${TESSALINE_HELP_PAGE} DESTINATION ${TESSALINE_HELP_DIR})
