# Fails when the core library links a library with windows or pictures:
# LINKS is the file that lists what the core target links.
file(READ "${LINKS}" links)
message(STATUS "brakkacore links: ${links}")
foreach(forbidden Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Multimedia Qt6Gui Qt6Widgets)
  string(FIND "${links}" "${forbidden}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "brakkacore links ${forbidden}")
  endif()
endforeach()
