# Checks that the word list LISTE is the one whose sha256 EMPREINTE records,
# the list the game scenarios were recorded with; says so in one line when it
# is not (Debian's word lists change from one release to the next).
if(NOT EXISTS ${LISTE})
  message(FATAL_ERROR "word list missing: ${LISTE} (built by the target dico)")
endif()
file(SHA256 ${LISTE} somme)
file(READ ${EMPREINTE} enregistree)
string(REGEX MATCH "^[0-9a-f]+" enregistree "${enregistree}")
if(NOT somme STREQUAL enregistree)
  # One line, as it is (a FATAL_ERROR text would be wrapped).
  message("word list changed: ${LISTE} has sha256 ${somme}, ${EMPREINTE} records ${enregistree}; the game "
          "scenarios are not run; once the new list is checked, record them again with "
          "cmake --build <build> --target enregistrer-scenarios")
  message(FATAL_ERROR "word list changed")
endif()
