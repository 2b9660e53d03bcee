# Records the expected output of every scenario (tests/scenarios/NAME.attendu)
# with the word list DICO, and the list's sha256 in EMPREINTE: what the tests
# compare with. Arguments: PROGRAMME, DICO, SCENARIOS (the folder), DOSSIER
# (a work folder), EMPREINTE.
include(${CMAKE_CURRENT_LIST_DIR}/scenario.cmake)
file(GLOB scenarios ${SCENARIOS}/*.txt)
foreach(scenario ${scenarios})
  get_filename_component(base ${scenario} NAME_WE)
  jouer_scenario(${scenario} ${DOSSIER}/${base} sortie erreurs)
  file(WRITE ${SCENARIOS}/${base}.attendu "${sortie}")
endforeach()
file(SHA256 ${DICO} somme)
file(WRITE ${EMPREINTE} "${somme}  L23456789\n")
list(LENGTH scenarios nombre)
message(STATUS "${nombre} scénarios enregistrés ; empreinte de la liste : ${somme}")
