# Read by CPack as it starts: the times in a package are the last commit's,
# where SOURCE_DATE_EPOCH gives none, so that the same commit gives the same
# package, wherever and whenever it is built. CPack's DEB generator takes its
# times from SOURCE_DATE_EPOCH; the ZIP is written again with it
# (windows/normalise-zip.cmake).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C ${CPACK_HEXLING_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
  if(status EQUAL 0 AND epoch)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  endif()
endif()
