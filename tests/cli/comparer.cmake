# Runs one scenario and compares its output, followed by its exit status, with
# the .attendu file beside it. Arguments: PROGRAMME, DICO, SCENARIO, DOSSIER.
get_filename_component(base ${SCENARIO} NAME_WE)
get_filename_component(source ${SCENARIO} DIRECTORY)
set(attendu ${source}/${base}.attendu)

file(STRINGS ${SCENARIO} premiere LIMIT_COUNT 1 ENCODING UTF-8)
if(premiere MATCHES "^#!irvad-cli (.*)$")
  separate_arguments(arguments UNIX_COMMAND "${CMAKE_MATCH_1}")
else()
  set(arguments script ${SCENARIO})
endif()

# Files a scenario writes land in its own folder, emptied first.
file(REMOVE_RECURSE ${DOSSIER})
file(MAKE_DIRECTORY ${DOSSIER})
execute_process(COMMAND ${PROGRAMME} --dico ${DICO} ${arguments}
                WORKING_DIRECTORY ${DOSSIER}
                OUTPUT_VARIABLE sortie
                ERROR_VARIABLE erreurs
                RESULT_VARIABLE code)
string(APPEND sortie "[code de sortie ${code}]\n")
file(WRITE ${DOSSIER}/sortie.txt "${sortie}")
file(READ ${attendu} texteAttendu)
if(NOT sortie STREQUAL texteAttendu)
  execute_process(COMMAND diff -u ${attendu} ${DOSSIER}/sortie.txt OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "${base}: la sortie diffère de ${attendu}\n${erreurs}\n${difference}")
endif()
