#include "form/graph/graph_state.h"

#include <cstddef>

namespace {
constexpr int InitialColumns = 2000;
}

long double groesse = 100;
long double ygroesser = 1;
long double xOffset = 0;
long double yOffset = 0;
int Breite = 0;
int Hoehe = 0;
int xKreuz_NULL = 0;
int yKreuz_NULL = 0;
bool BeideSeiten = false;

std::vector<int> yL_Fehler(InitialColumns);
std::vector<int> yR_Fehler(InitialColumns);
std::vector<int> yDiff_Fehler(InitialColumns);

QPainter painter;

int normalTimer = -1;
int KleinerGroesserTimer = -1;
bool GroesserWahr = false;
int MausXk = 0;
int MausYk = 0;

PlotView currentView() {
    return {groesse, ygroesser, xOffset, yOffset, xKreuz_NULL, yKreuz_NULL};
}

void setFrameSize(int width, int height) {
    Breite = width;
    Hoehe = height;
    xKreuz_NULL = Breite / 2;
    yKreuz_NULL = Hoehe / 2;
}

void reserveColumns(int columns) {
    const auto size = static_cast<std::size_t>(columns);
    if (columns <= 0 || size <= yL_Fehler.size()) {
        return;
    }
    yL_Fehler.resize(size);
    yR_Fehler.resize(size);
    yDiff_Fehler.resize(size);
}
