#include "form/graph_sampling.h"

#include <cerrno>

#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"

namespace {
FlatProgram linksProgramm;
FlatProgram rechtsProgramm;
} // namespace

void compileSides(std::string_view left, std::string_view right) {
    links.setFormel(left);
    rechts.setFormel(right);
    links.Formel_compillieren();
    rechts.Formel_compillieren();
    linksProgramm.compile(links);
    rechtsProgramm.compile(rechts);
}

void sampleColumns(const PlotView& view, int count, const ColumnArrays& arrays) {
    int status = 0;
    for (int i = 1; i < count; ++i) {
        const long double x = plot_mapping::columnToX(view, i);
        const long double yL = linksProgramm.evaluate(x, status);
        arrays.yL_Fehler[i] = errno;
        const long double yR = rechtsProgramm.evaluate(x, status);
        arrays.yR_Fehler[i] = errno;
        arrays.yDiff_Fehler[i] = arrays.yL_Fehler[i] | arrays.yR_Fehler[i];
        arrays.yL_Werte[i] = yL * view.ygroesser;
        arrays.yR_Werte[i] = yR * view.ygroesser;
        arrays.yDiff_Werte[i] = arrays.yL_Werte[i] - arrays.yR_Werte[i];
    }
    if (count > 1) {
        links.X = plot_mapping::columnToX(view, count - 1);
        rechts.X = links.X;
    }
}
