# The installed programs: each executable in lib/irvad beside its data (the
# word list here, the help page from resources/), which it finds through its
# own real path, and in bin/ a symbolic link to it.
function(irvad_installer_avec_lien cible)
  install(TARGETS ${cible} RUNTIME DESTINATION lib/irvad)
  install(CODE "
    set(dossier \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${dossier}\")
    file(REMOVE \"\${dossier}/${cible}\")
    file(CREATE_LINK ../lib/irvad/${cible} \"\${dossier}/${cible}\" SYMBOLIC)
    message(STATUS \"Installing: \${dossier}/${cible} -> ../lib/irvad/${cible}\")
  ")
endfunction()

foreach(programme irvad irvad-cli)
  if(TARGET ${programme})
    irvad_installer_avec_lien(${programme})
  endif()
endforeach()

# The word list, when this build makes it.
if(IRVAD_DICO)
  install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/L23456789 DESTINATION lib/irvad)
endif()
