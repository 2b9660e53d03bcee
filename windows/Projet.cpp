#include "Projet.h"

namespace irvad::projet {

const char* const version = IRVAD_VERSION;
const char* const pageAccueil = IRVAD_PAGE_ACCUEIL;
const char* const courriel = IRVAD_COURRIEL;
const char* const credit = "Les auteurs d'Irvad";

}  // namespace irvad::projet
