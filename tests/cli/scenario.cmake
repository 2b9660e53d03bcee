# Runs one scenario of tests/scenarios with PROGRAMME and the word list DICO,
# in the folder dossier (emptied first), and puts into the variable named by
# resultat its output followed by its exit status, as NAME.attendu holds it;
# the standard error goes into the variable named by erreurs.
function(jouer_scenario scenario dossier resultat erreurs)
  file(STRINGS ${scenario} premiere LIMIT_COUNT 1 ENCODING UTF-8)
  if(premiere MATCHES "^#!irvad-cli (.*)$")
    separate_arguments(arguments UNIX_COMMAND "${CMAKE_MATCH_1}")
  else()
    set(arguments script ${scenario})
  endif()
  # Files a scenario writes land in its own folder.
  file(REMOVE_RECURSE ${dossier})
  file(MAKE_DIRECTORY ${dossier})
  execute_process(COMMAND ${PROGRAMME} --dico ${DICO} ${arguments}
                  WORKING_DIRECTORY ${dossier}
                  OUTPUT_VARIABLE sortie
                  ERROR_VARIABLE erreur
                  RESULT_VARIABLE code)
  string(APPEND sortie "[code de sortie ${code}]\n")
  set(${resultat} "${sortie}" PARENT_SCOPE)
  set(${erreurs} "${erreur}" PARENT_SCOPE)
endfunction()
