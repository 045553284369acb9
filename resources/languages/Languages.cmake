# The language files we ship, copied beside the program so that it finds them
# as it does after installation. ORVANTA_LANGUAGE_FILES lists their sources for
# the install rules.
set(ORVANTA_LANGUAGE_FILES
  ${CMAKE_CURRENT_LIST_DIR}/Arabic.lng
  ${CMAKE_CURRENT_LIST_DIR}/French.lng
  ${CMAKE_CURRENT_LIST_DIR}/German.lng
  ${CMAKE_CURRENT_LIST_DIR}/Hebrew.lng
  ${CMAKE_CURRENT_LIST_DIR}/Russian.lng
  ${CMAKE_CURRENT_LIST_DIR}/Spanish.lng
)

set(copied_language_files)
foreach(source IN LISTS ORVANTA_LANGUAGE_FILES)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${ORVANTA_PROGRAM_DIR}/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${ORVANTA_PROGRAM_DIR}/${name}
                     DEPENDS ${source}
                     COMMENT "Copying ${name} beside the program")
  list(APPEND copied_language_files ${ORVANTA_PROGRAM_DIR}/${name})
endforeach()
add_custom_target(orvanta_languages ALL DEPENDS ${copied_language_files})
