# The installed programs: each executable in lib/irvad beside its data (the
# word list here, the help page from resources/), which it finds through its
# own real path, and a symbolic link to it in games/, where Debian puts the
# programs of games (/usr/games, /usr/local/games, both in the users' PATH).
set(IRVAD_DOSSIER_LIENS games CACHE STRING "Folder under the prefix of the links to the programs")
function(irvad_installer_avec_lien cible)
  install(TARGETS ${cible} RUNTIME DESTINATION lib/irvad)
  install(CODE "
    set(dossier \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${IRVAD_DOSSIER_LIENS}\")
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
