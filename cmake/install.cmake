# What `cmake --install` puts below the prefix: both programs, the desktop
# entry and its icons, the AppStream metainfo, the manual pages, and the
# copyright and changelog that a Debian package carries. tessaline-convert
# installs itself from src/cli. tests/app/installed_files.txt lists the result.
include(GNUInstallDirs)

# The day the manual pages, the metainfo and the changelog give for this
# version: $SOURCE_DATE_EPOCH's when set, else the last commit's, so that a
# build of the same sources writes the same files.
set(release_epoch "$ENV{SOURCE_DATE_EPOCH}")
find_program(GIT_PROGRAM git)
if(NOT release_epoch AND GIT_PROGRAM)
  execute_process(COMMAND ${GIT_PROGRAM} -C ${CMAKE_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE release_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} "${release_epoch}")
string(TIMESTAMP TESSALINE_RELEASE_DAY "%Y-%m-%d" UTC)
string(TIMESTAMP TESSALINE_RELEASE_TIME "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

# The texts that name the version or the day are made from data/*.in.
set(TESSALINE_METAINFO example.korvane.tessaline.metainfo.xml)
set(generated ${CMAKE_BINARY_DIR}/generated)
configure_file(data/${TESSALINE_METAINFO}.in ${generated}/${TESSALINE_METAINFO} @ONLY)
configure_file(data/changelog.in ${generated}/changelog @ONLY)
configure_file(data/man/tessaline.1.in ${generated}/tessaline.1 @ONLY)
configure_file(data/man/tessaline-convert.1.in ${generated}/tessaline-convert.1 @ONLY)

# Debian keeps manual pages and changelogs compressed, without a name or
# time in the header.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed)
foreach(text changelog tessaline.1 tessaline-convert.1)
  add_custom_command(OUTPUT ${generated}/${text}.gz
    COMMAND ${GZIP_PROGRAM} -9nkf ${generated}/${text}
    DEPENDS ${generated}/${text}
    VERBATIM)
  list(APPEND compressed ${generated}/${text}.gz)
endforeach()
add_custom_target(tessaline_compressed_texts ALL DEPENDS ${compressed})

set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(TARGETS tessaline RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/tessaline.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES src/app/art/icon.png DESTINATION ${icons}/32x32/apps RENAME tessaline.png)
install(FILES src/app/art/icon.svg DESTINATION ${icons}/scalable/apps RENAME tessaline.svg)
install(FILES ${generated}/${TESSALINE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/tessaline.1.gz ${generated}/tessaline-convert.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${generated}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaline)
