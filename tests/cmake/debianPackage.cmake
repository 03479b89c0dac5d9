# Builds the Debian package of the build in BUILD_DIR into WORK_DIR and
# checks it as a Debian maintainer would: lintian without an error or a
# warning, the binaries hardened, the dependencies the program needs at run
# time, and one version and one release date in the package, its changelog
# and its AppStream metadata.
# Usage: cmake -DBUILD_DIR=... -DWORK_DIR=... -DCPACK=... -DVERSION=...
#              -DDEBIAN_VERSION=... -DRELEASE_DATE=YYYY-MM-DD -DAPP_ID=...
#              -P debianPackage.cmake

find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("Skipped: lintian is not installed (scripts/setup.sh installs it)")
  return()
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
run(${CPACK} -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}")
file(GLOB debs "${WORK_DIR}/brakka_*.deb")
list(LENGTH debs count)
string(REPLACE "." "\\." version_pattern "${DEBIAN_VERSION}")
if(NOT count EQUAL 1 OR NOT debs MATCHES "/brakka_${version_pattern}_[a-z0-9]+\\.deb$")
  message(FATAL_ERROR "expected one package of version ${DEBIAN_VERSION}, got: ${debs}")
endif()
set(deb "${debs}")

# lintian: no error, no warning, and no hardening flag missing (an info).
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info "${deb}"
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_QUIET)
if(NOT result EQUAL 0 OR report MATCHES "(^|\n)[EW]: " OR report MATCHES "hardening-")
  message(FATAL_ERROR "lintian:\n${report}")
endif()

# Depends: Qt's translations (the standard buttons of Spanish and French
# message boxes), not the VNC platform.
run(dpkg-deb --field "${deb}" Depends)
if(NOT output MATCHES "(^|, )qt6-translations-l10n(,|\n|$)" OR output MATCHES "qt6-qpa-plugins")
  message(FATAL_ERROR "Depends: ${output}")
endif()

# The version and the release date, one in every place.
set(root "${WORK_DIR}/root")
run(dpkg-deb -x "${deb}" "${root}")
file(READ "${root}/usr/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"${RELEASE_DATE}\"/>")
  message(FATAL_ERROR "the metainfo's release is not ${VERSION} of ${RELEASE_DATE}:\n${metainfo}")
endif()
run(gzip -dc "${root}/usr/share/doc/brakka/changelog.Debian.gz")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
string(REGEX MATCH "^brakka \\(([^)]*)\\).*\n -- [^\n]*>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+) "
       matched "${output}")
list(FIND months "${CMAKE_MATCH_3}" month)
math(EXPR month "${month} + 1")
if(month LESS 10)
  set(month "0${month}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL DEBIAN_VERSION OR NOT "${CMAKE_MATCH_4}-${month}-${CMAKE_MATCH_2}" STREQUAL RELEASE_DATE)
  message(FATAL_ERROR "the changelog's entry is not ${DEBIAN_VERSION} of ${RELEASE_DATE}:\n${output}")
endif()
