#pragma once
// What the program says about itself: its version, its home page, the
// address to write to and the credit line of the About dialog. The build
// sets the first three (CMake project version, IRVAD_PAGE_ACCUEIL,
// IRVAD_COURRIEL).
namespace irvad::projet {

extern const char* const version;
extern const char* const pageAccueil;
extern const char* const courriel;
extern const char* const credit;  // UTF-8

}  // namespace irvad::projet
