// Anchor of the data library: its resources are registered by Qt's generated initialisers.
namespace armo {
int donnees_embarquees = 1;
}
