#pragma once

// Solver for n linear equations in n unknowns in extended precision. Every array is
// counted from 1; coefficient arrays are indexed [unknown][equation]. The constructor and
// destructor do nothing: the global instance starts zeroed in static storage.
class Gausalgorithmus {
public:
    // Room of every array; equations and unknowns use indices 1 to MaxAnzahl.
    static constexpr int Groesse = 20;
    // Largest number of equations a hand-over may have.
    static constexpr int MaxAnzahl = Groesse - 1;

    // Working coefficients, reduced step by step.
    long double Koeffizienten[Groesse][Groesse];
    // Input coefficients in the current rotation order; [j][0] is the spare slot.
    long double KoeffizientenKopie[Groesse][Groesse];
    // Working right-hand sides; after a solve, entry i is the value of unknown i.
    long double Werte[Groesse];
    // Input right-hand sides in the current rotation order; entry 0 is the spare slot.
    long double WerteKopie[Groesse];
    // Number of equations and unknowns of the last accepted hand-over.
    int Anzahl;

    // Stores and solves the system: 0 solved, 1 when it has no unique solution at working
    // precision, a value would overflow, an input is not finite or n is outside 0..MaxAnzahl.
    // The values come from the rotations where they satisfy the system to working precision,
    // otherwise from elimination with complete pivoting and one step of refinement.
    int Werte_uebergeben(long double (*Koeff)[Groesse], long double* Rechts, int n);
    // Value of unknown i after a successful solve; 0 for i outside 1..Anzahl.
    long double getWert(int i) const;
    // Divides equation k by its diagonal coefficient unless that is exactly 0 or 1.
    void AufEinsBringen(int k, int n);
    // Removes unknown k from equation l by adding a multiple of equation k.
    void NullSetzen(int k, int l, int n);
    // Restores the working arrays from the saved input.
    void copy();
    // Rotates the saved equations: the first becomes the last, the others move up by one.
    void moveUp();

private:
    // Eliminations from the saved input, rotated at each diagonal zero; 1 after n + 1 fail.
    int solveByRotations();
    // One forward elimination; false as soon as any diagonal entry is exactly 0.
    bool eliminateForward();
    // True when any diagonal entry of the working coefficients is exactly 0.
    bool diagonalHasZero() const;
};
