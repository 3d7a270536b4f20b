# Installs the build into a fresh folder and checks that every file a desktop
# needs lands where it belongs.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DWITH_CONVERTER=ON|OFF -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/tessaline
  share/tessaline/help.html
  share/applications/tessaline.desktop
  share/icons/hicolor/32x32/apps/tessaline.png)
if(WITH_CONVERTER)
  list(APPEND expected bin/tessaline-convert)
endif()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
