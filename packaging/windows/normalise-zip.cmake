# Run by CPack once it has zipped the Windows program: the ZIP is written
# again so that the same commit gives the same bytes on any machine
# (normalise_zip.py): CPack's ZIP holds the builder's user and time zone.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/normalise_zip.py ${package}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
