# The Debian package irvad_VERSION_amd64.deb, made by CPack from the install
# rules (cmake/Installation.cmake, resources/): the programs, the word list,
# the help page, icons, desktop entry, MIME type, metainfo, manual pages,
# copyright, changelog and lintian overrides. scripts/paquet-deb.sh
# configures a build for it and runs cpack.
set(IRVAD_MAINTENEUR "Les auteurs d'Irvad <${IRVAD_COURRIEL}>")

# The changelog and the manual pages go in compressed, without a name or a
# date in the gzip header, so that two builds give the same bytes.
set(IRVAD_DOCS ${CMAKE_BINARY_DIR}/paquet)
file(MAKE_DIRECTORY ${IRVAD_DOCS})
foreach(page changelog irvad.6 irvad-cli.6 copyright)
  configure_file(${PROJECT_SOURCE_DIR}/paquet/${page}.in ${IRVAD_DOCS}/${page} @ONLY)
  if(NOT page STREQUAL "copyright")
    execute_process(COMMAND gzip -9 -n -c INPUT_FILE ${IRVAD_DOCS}/${page} OUTPUT_FILE ${IRVAD_DOCS}/${page}.gz
                    RESULT_VARIABLE echec)
    if(echec)
      message(FATAL_ERROR "gzip ${page}: ${echec}")
    endif()
  endif()
endforeach()
install(FILES ${IRVAD_DOCS}/copyright ${IRVAD_DOCS}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/irvad)
install(FILES ${IRVAD_DOCS}/irvad.6.gz ${IRVAD_DOCS}/irvad-cli.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/paquet/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME irvad)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME irvad)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${IRVAD_MAINTENEUR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# irvad_VERSION_ARCH.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${IRVAD_MAINTENEUR})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${IRVAD_PAGE_ACCUEIL})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "jeu de lettres sur un plateau hexagonal
Irvad est un jeu de mots en français pour 2, 3 ou 6 joueurs, humains ou
tenus par l'ordinateur, autour d'un plateau hexagonal de 91 cases. Chacun
pose ou déplace ses lettres pour former des mots de 2 à 9 lettres dans les
trois directions du plateau.

Le paquet contient le jeu (irvad), sa version en ligne de commande
(irvad-cli), sa liste de mots et la règle du jeu.")
# The libraries the programs link come from dpkg-shlibdeps (Qt, the C++
# runtime); the faces the windows name, Qt's French texts and the opener of
# the help page are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-comic-neue, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
