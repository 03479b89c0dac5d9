# Installs the build in BUILD_DIR below DESTDIR with the prefix /usr and
# checks that exactly the expected files arrive there.
# Usage: cmake -DBUILD_DIR=... -DDESTDIR=... -DAPP_ID=... -DWITH_PNG_ICONS=ON|OFF
#              -DMODULE_DIR=... -DSOUND_MODULE=... -P installTree.cmake

file(REMOVE_RECURSE "${DESTDIR}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR}
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  usr/bin/brakka
  usr/${MODULE_DIR}/${SOUND_MODULE}
  usr/share/brakka/Boo.wav
  usr/share/brakka/Cheers.wav
  usr/share/applications/${APP_ID}.desktop
  usr/share/metainfo/${APP_ID}.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
  usr/share/doc/brakka/copyright
  usr/share/doc/brakka/changelog.Debian.gz
  usr/share/man/man1/brakka.1.gz
  usr/share/lintian/overrides/brakka)
if(WITH_PNG_ICONS)
  foreach(size 16 32 48 64 128 256)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  endforeach()
endif()

file(GLOB_RECURSE installed RELATIVE "${DESTDIR}" "${DESTDIR}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed_lines "${installed}")
  string(REPLACE ";" "\n  " expected_lines "${expected}")
  message(FATAL_ERROR "installed:\n  ${installed_lines}\nexpected:\n  ${expected_lines}")
endif()
