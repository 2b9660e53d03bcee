// The resources of qrc/ are linked in through this library; the file gives
// the library a body of its own so that it exists before any resource does.
namespace irvad {
int ressourcesLiees = 1;
}
