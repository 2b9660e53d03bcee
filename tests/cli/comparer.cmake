# Runs one scenario and compares its output, followed by its exit status, with
# the .attendu file beside it. Arguments: PROGRAMME, DICO, SCENARIO, DOSSIER.
include(${CMAKE_CURRENT_LIST_DIR}/scenario.cmake)
get_filename_component(base ${SCENARIO} NAME_WE)
get_filename_component(source ${SCENARIO} DIRECTORY)
set(attendu ${source}/${base}.attendu)

jouer_scenario(${SCENARIO} ${DOSSIER} sortie erreurs)
file(WRITE ${DOSSIER}/sortie.txt "${sortie}")
file(READ ${attendu} texteAttendu)
if(NOT sortie STREQUAL texteAttendu)
  execute_process(COMMAND diff -u ${attendu} ${DOSSIER}/sortie.txt OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "${base}: la sortie diffère de ${attendu}\n${erreurs}\n${difference}")
endif()
