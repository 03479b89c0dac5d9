# Builds the Debian package of BUILD_DIR into WORK_DIR; checks lintian (no
# error, warning or missing hardening), Depends, and that the package, its
# changelog and its metainfo name one version and release date.

find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("Skipped: lintian is not installed (scripts/setup.sh installs it)")
  return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CPACK} -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB deb "${WORK_DIR}/brakka_${DEBIAN_VERSION}_*.deb")

execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info "${deb}"
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_QUIET)
if(NOT deb OR NOT result EQUAL 0 OR report MATCHES "hardening-")
  message(FATAL_ERROR "lintian on '${deb}' (${result}):\n${report}")
endif()

execute_process(COMMAND dpkg-deb --field "${deb}" Depends OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
if(NOT depends MATCHES "(^|, )qt6-translations-l10n(,|\n)" OR depends MATCHES "qt6-qpa-plugins")
  message(FATAL_ERROR "Depends: ${depends}")
endif()

execute_process(COMMAND dpkg-deb -x "${deb}" "${WORK_DIR}/root" COMMAND_ERROR_IS_FATAL ANY)
file(READ "${WORK_DIR}/root/usr/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
execute_process(COMMAND gzip -dc "${WORK_DIR}/root/usr/share/doc/brakka/changelog.Debian.gz"
                OUTPUT_VARIABLE changelog COMMAND_ERROR_IS_FATAL ANY)
string(FIND "${changelog}" ">  ${CHANGELOG_DATE}\n" dated)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"${RELEASE_DATE}\"/>"
   OR NOT changelog MATCHES "^brakka \\(${DEBIAN_VERSION}\\) " OR dated EQUAL -1)
  message(FATAL_ERROR "not release ${VERSION} of ${RELEASE_DATE}:\n${metainfo}\n${changelog}")
endif()
