# BrakkaHarden(target...): builds the targets with the hardening flags that
# dpkg-buildflags gives a Debian package (stack protector, format checks,
# _FORTIFY_SOURCE, relro and immediate binding), taking from it only those
# flags: optimisation and debugging information stay the build type's.
# Executables are position independent as well. Builds with sanitizers (which
# bring their own checks) and unoptimised builds (where _FORTIFY_SOURCE does
# nothing but warn) go without.

set(BRAKKA_HARDENING_COMPILE_FLAGS)
set(BRAKKA_HARDENING_LINK_FLAGS)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(BRAKKA_HARDENING AND DPKG_BUILDFLAGS AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang"
   AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      continue()
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    foreach(flag IN LISTS flags)
      if(flag MATCHES "^-(f(stack-protector|stack-clash|cf-protection)|D_FORTIFY_SOURCE|Wformat|Werror=format)")
        list(APPEND BRAKKA_HARDENING_COMPILE_FLAGS ${flag})
      elseif(flag MATCHES "^-Wl,-z,")
        list(APPEND BRAKKA_HARDENING_LINK_FLAGS ${flag})
      endif()
    endforeach()
  endforeach()
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
endif()

function(BrakkaHarden)
  if(NOT BRAKKA_HARDENING_COMPILE_FLAGS AND NOT BRAKKA_HARDENING_LINK_FLAGS)
    return()
  endif()
  foreach(target IN LISTS ARGN)
    target_compile_options(${target} PRIVATE
      $<$<NOT:$<CONFIG:Debug>>:${BRAKKA_HARDENING_COMPILE_FLAGS}>)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    endif()
    if(NOT type STREQUAL "STATIC_LIBRARY")
      target_link_options(${target} PRIVATE ${BRAKKA_HARDENING_LINK_FLAGS})
    endif()
  endforeach()
endfunction()
