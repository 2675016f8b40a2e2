#include "solver/root_search_state.h"

long double Schrittweite = 100;
long double XL[BracketArraySize];
long double XR[BracketArraySize];
bool work;
