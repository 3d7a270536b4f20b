# What `cmake --install` puts in place: the two programs, the desktop entry
# and the program icon.
include(GNUInstallDirs)

install(TARGETS tessaline RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tessaline-convert)
  install(TARGETS tessaline-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/tessaline.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/src/app/art/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
  RENAME tessaline.png)
