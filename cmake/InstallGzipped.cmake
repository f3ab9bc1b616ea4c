# hexling_install_gzipped(FILE DESTINATION): installs FILE compressed as Debian
# wants manual pages and changelogs: gzip at its best, without a name or a
# time in the header, so that the same file gives the same bytes.
function(hexling_install_gzipped file destination)
  get_filename_component(name ${file} NAME)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E copy ${file} ${CMAKE_CURRENT_BINARY_DIR}/${name}
                     COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/${name}
                     DEPENDS ${file}
                     VERBATIM)
  string(MAKE_C_IDENTIFIER "gzip_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()
