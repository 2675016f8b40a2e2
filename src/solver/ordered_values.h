#pragma once

// Long doubles in the order of the number line, counted in representable steps: the
// bisections of the root search split a bracket in the middle of the values between its
// ends, so that any bracket, even one that straddles 0 or spans many binades, shrinks to
// two neighbouring values within about eighty halvings.

// Says whether no long double lies strictly between a and b.
bool adjacentValues(long double a, long double b);

// The value halfway between a and b (both finite, in either order) counted in
// representable steps; strictly between them unless they are adjacent.
long double splitPoint(long double a, long double b);

// Representable steps from a to b (a <= b, both finite), saturated at the largest double.
long double stepsBetween(long double a, long double b);
