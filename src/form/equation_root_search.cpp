// The two stages of the root search as members of the main window; the search itself is
// in the solver library.
#include "form/form1.h"

#include "form/equation_page.h"
#include "form/equation_progress.h"
#include "solver/bracket_scan.h"
#include "solver/root_refinement.h"

int Form1::X_ungefaehr(int a, int b) {
    if (!porgressDialog) {
        return scanBrackets(a, b, nullptr);
    }
    DialogProgress progress(porgressDialog);
    return scanBrackets(a, b, &progress);
}

long double Form1::X_Regula_Falsi(long double XL, long double XR, bool& Fehler) {
    return refineBracket(XL, XR, Fehler);
}
