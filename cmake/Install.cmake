# What `cmake --install` puts beside the programs (see InstallLayout.cmake for the
# layout): the language files, the desktop entry, the AppStream metainfo and the
# manual pages. The programs and the pictures are installed by the rooms that build them.
set(resources ${PROJECT_SOURCE_DIR}/resources)

# The shipped language files, as the languages room lists them.
if(ORVANTA_LANGUAGE_FILES)
  install(FILES ${ORVANTA_LANGUAGE_FILES} DESTINATION ${ORVANTA_INSTALL_DATA_DIR})
endif()

install(FILES ${resources}/orvanta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${resources}/org.example.orvanta.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages go compressed, as the system's own do.
set(manuals)
foreach(page orvanta.1 orvanta-convert.1)
  set(copy ${CMAKE_BINARY_DIR}/man/${page})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${resources}/man/${page} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${resources}/man/${page}
    COMMENT "Compressing the manual page ${page}")
  list(APPEND manuals ${copy}.gz)
endforeach()
add_custom_target(orvanta_manuals ALL DEPENDS ${manuals})
install(FILES ${manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
