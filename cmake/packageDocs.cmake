# The documents a Debian package carries: the copyright file, the changelog
# of the package's version (its date the release date) and the manual page,
# the last two compressed as Debian wants them (gzip -9n: no name, no time,
# the same bytes on every build).

set(BRAKKA_DEBIAN_REVISION 1)
set(BRAKKA_DEBIAN_VERSION ${PROJECT_VERSION}-${BRAKKA_DEBIAN_REVISION})

# The release date as the changelog writes it: "Mon, 07 Dec 2026 00:00:00 +0000".
if(NOT BRAKKA_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "BRAKKA_RELEASE_DATE is not YYYY-MM-DD: ${BRAKKA_RELEASE_DATE}")
endif()
set(year ${CMAKE_MATCH_1})
math(EXPR month "1${CMAKE_MATCH_2} - 100")
math(EXPR day "1${CMAKE_MATCH_3} - 100")
# The weekday by Sakamoto's method (0 is Sunday).
set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR index "${month} - 1")
list(GET month_offsets ${index} offset)
set(y ${year})
if(month LESS 3)
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET weekdays ${weekday} weekday_name)
list(GET months ${index} month_name)
set(BRAKKA_RELEASE_DATE_RFC2822
    "${weekday_name}, ${CMAKE_MATCH_3} ${month_name} ${year} 00:00:00 +0000")

set(docs_dir ${PROJECT_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian.in ${docs_dir}/changelog.Debian @ONLY)
set(BRAKKA_MODULE_PACKAGE_DIR ${BRAKKA_PACKAGE_PREFIX}/${BRAKKA_MODULE_INSTALL_DIR})
configure_file(${PROJECT_SOURCE_DIR}/packaging/brakka.1 ${docs_dir}/brakka.1 @ONLY)

find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(doc changelog.Debian brakka.1)
  add_custom_command(OUTPUT ${docs_dir}/${doc}.gz
    COMMAND ${GZIP} -9 -n -k -f ${docs_dir}/${doc}
    DEPENDS ${docs_dir}/${doc} VERBATIM)
  list(APPEND compressed ${docs_dir}/${doc}.gz)
endforeach()
add_custom_target(brakka_docs ALL DEPENDS ${compressed})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${docs_dir}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/brakka)
install(FILES ${docs_dir}/brakka.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME brakka)
