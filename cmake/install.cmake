# What `cmake --install` puts in place for the desktop: the program, its
# entry and its icon.
include(GNUInstallDirs)

# tessaline-convert installs itself from src/cli.
install(TARGETS tessaline RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/tessaline.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/src/app/art/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
  RENAME tessaline.png)
