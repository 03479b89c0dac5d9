# Brakka as a subproject: a small parent project that takes it in with
# add_subdirectory() configures, its source compiles against Brakka's
# headers, and the library's build resolves every input (a dry run, so that
# the library is not compiled a second time).
# Usage: cmake -DSOURCE_DIR=... -DWORK_DIR=... -P subproject.cmake

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/parent")
file(WRITE "${WORK_DIR}/parent/CMakeLists.txt"
  "cmake_minimum_required(VERSION 3.21)\n"
  "project(Parent LANGUAGES CXX)\n"
  "add_subdirectory(\"${SOURCE_DIR}\" brakka)\n"
  "add_executable(parent main.cpp)\n"
  "target_link_libraries(parent PRIVATE brakkalib)\n")
file(WRITE "${WORK_DIR}/parent/main.cpp"
  "#include \"settings/settingsPlace.h\"\nint main() { return ChooseSettingsPlace(true, true) == TSettingsPlace::ProgramFolder ? 0 : 1; }\n")

execute_process(
  COMMAND ${CMAKE_COMMAND} -S "${WORK_DIR}/parent" -B "${WORK_DIR}/build" -G Ninja
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the parent project does not configure:\n${output}")
endif()

# Only the parent is a top-level project: Brakka's tests stay out of its build.
if(EXISTS "${WORK_DIR}/build/brakka/tests")
  message(FATAL_ERROR "Brakka's tests were added to the parent's build")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} --build "${WORK_DIR}/build" --target parent -- -n
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the parent's build does not resolve:\n${output}")
endif()
# The parent's own source compiles against Brakka's headers.
execute_process(
  COMMAND ${CMAKE_COMMAND} --build "${WORK_DIR}/build" --target CMakeFiles/parent.dir/main.cpp.o
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the parent does not compile with Brakka's headers:\n${output}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
