<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ExportActions</name>
    <message>
        <source>Grafik speichern…</source>
        <translation>Save graph…</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Ergebnisse speichern…</source>
        <translation>Save results…</translation>
    </message>
    <message>
        <source>Grafik speichern</source>
        <translation>Save graph</translation>
    </message>
    <message>
        <source>Grafiken (*.png *.svg *.pdf)</source>
        <translation>Graphs (*.png *.svg *.pdf)</translation>
    </message>
    <message>
        <source>CSV, eine Stelle je Zeile (*.csv)</source>
        <translation>CSV, one place per row (*.csv)</translation>
    </message>
    <message>
        <source>Ergebnisse speichern</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen.</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Aufruf: quintabor [--solve &quot;LINKS = RECHTS&quot; [--centre C] [--half-width H] [--step 0.01|0.001] [--format csv|json] [--plot DATEI]] [--system DATEI] [--lang de|en]</source>
        <translation>Usage: quintabor [--solve &quot;LEFT = RIGHT&quot; [--centre C] [--half-width H] [--step 0.01|0.001] [--format csv|json] [--plot FILE]] [--system FILE] [--lang de|en]</translation>
    </message>
    <message>
        <source>Mehr mit: quintabor --help</source>
        <translation>More with: quintabor --help</translation>
    </message>
    <message>
        <source>Ohne diese Optionen öffnet sich das Fenster; --lang allein wählt seine Sprache.

--solve schreibt den Block der Ergebnisliste des Fensters: die Überschrift, die
Zeilen und die Schlusslinie; mit --format die Befunde als CSV oder JSON.
--system liest eine CSV-Datei mit höchstens 10 Zeilen &quot;Wert,k1,k2,...&quot;, eine
Gleichung Wert = k1*X1 + k2*X2 + ... je Zeile; ein Dezimalkomma steht in
Anführungszeichen: &quot;1,5&quot;. Es schreibt den Block der Seite Gleichungen_XYZ.

Rückgabewerte:
  0  gelöst, wie viele Lösungen es auch gibt
  2  Eingabe nicht lesbar; ihre Zeile steht auf der Standardfehlerausgabe
  1  andere Fehler: falsche Optionen, Datei nicht lesbar, Ausgabe gescheitert

Beispiele:
  quintabor --solve &quot;x^2 = 2&quot;
  quintabor --solve &quot;sin(x) = 0.5&quot; --centre 0 --half-width 10 --step 0.001
  quintabor --solve &quot;tan(x) = 0&quot; --half-width 4 --format csv
  quintabor --solve &quot;x^3 = x&quot; --half-width 3 --plot kubisch.svg
  quintabor --system system.csv --lang en
</source>
        <translation>Without these options the window opens; --lang alone chooses its language.

--solve writes the block of the window's result list: the heading, the lines and the
closing line; with --format the findings as CSV or JSON.
--system reads a CSV file of at most 10 lines &quot;value,k1,k2,...&quot;, one equation
value = k1*X1 + k2*X2 + ... per line; a decimal comma stands in quotes: &quot;1,5&quot;.
It writes the block of the page Equations_XYZ.

Exit codes:
  0  solved, whatever the number of solutions
  2  input not readable; its line is on standard error
  1  other errors: wrong options, file not readable, output failed

Examples:
  quintabor --solve &quot;x^2 = 2&quot;
  quintabor --solve &quot;sin(x) = 0.5&quot; --centre 0 --half-width 10 --step 0.001
  quintabor --solve &quot;tan(x) = 0&quot; --half-width 4 --format csv
  quintabor --solve &quot;x^3 = x&quot; --half-width 3 --plot cubic.svg
  quintabor --system system.csv --lang en
</translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Zeigt die Version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Löst die Gleichung LINKS = RECHTS.</source>
        <translation>Solves the equation LEFT = RIGHT.</translation>
    </message>
    <message>
        <source>&quot;LINKS = RECHTS&quot;</source>
        <translation>&quot;LEFT = RIGHT&quot;</translation>
    </message>
    <message>
        <source>Mitte des Intervalls (ganze Zahl, Vorgabe 0).</source>
        <translation>Centre of the interval (whole number, default 0).</translation>
    </message>
    <message>
        <source>Halbe Breite des Intervalls (ganze Zahl, 1 bis 1000000, Vorgabe 1000).</source>
        <translation>Half-width of the interval (whole number, 1 to 1000000, default 1000).</translation>
    </message>
    <message>
        <source>Schrittweite 0.01 (Vorgabe) oder 0.001.</source>
        <translation>Grid step 0.01 (default) or 0.001.</translation>
    </message>
    <message>
        <source>Löst das lineare Gleichungssystem der CSV-Datei DATEI.</source>
        <translation>Solves the linear system of the CSV file FILE.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Schreibt mit --solve die Befunde statt des Blocks, als CSV oder JSON.</source>
        <translation>With --solve, writes the findings instead of the block, as CSV or JSON.</translation>
    </message>
    <message>
        <source>Zeichnet mit --solve beide Seiten und ihre Differenz über dem Intervall in DATEI (.svg, .png oder .pdf).</source>
        <translation>With --solve, draws both sides and their difference over the interval into FILE (.svg, .png or .pdf).</translation>
    </message>
    <message>
        <source>Sprache der Ausgabe: de oder en; sonst die des Systems.</source>
        <translation>Language of the output: de or en; else the system's.</translation>
    </message>
    <message>
        <source>--format ist csv oder json: %1</source>
        <translation>--format is csv or json: %1</translation>
    </message>
    <message>
        <source>--plot schreibt .svg, .png oder .pdf: %1</source>
        <translation>--plot writes .svg, .png or .pdf: %1</translation>
    </message>
    <message>
        <source>--centre braucht eine ganze Zahl von %1 bis %2: %3</source>
        <translation>--centre needs a whole number from %1 to %2: %3</translation>
    </message>
    <message>
        <source>--half-width braucht eine ganze Zahl von %1 bis %2: %3</source>
        <translation>--half-width needs a whole number from %1 to %2: %3</translation>
    </message>
    <message>
        <source>--step ist 0.01 oder 0.001: %1</source>
        <translation>--step is 0.01 or 0.001: %1</translation>
    </message>
    <message>
        <source>Die Datei %1 ist nicht lesbar: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: größer als ein Gleichungssystem der Tabelle</source>
        <translation>%1: larger than a system of the table</translation>
    </message>
    <message>
        <source>--lang ist de oder en: %1</source>
        <translation>--lang is de or en: %1</translation>
    </message>
    <message>
        <source>Quintabor löst eine Gleichung in x oder ein lineares Gleichungssystem und schreibt das Ergebnis, ohne Fenster und ohne Bildschirm.</source>
        <translation>Quintabor solves an equation in x or a linear system and writes the result, without a window and without a display.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--solve und --system schließen einander aus</source>
        <translation>--solve and --system exclude each other</translation>
    </message>
    <message>
        <source>--%1 gilt nur mit --solve</source>
        <translation>--%1 applies only with --solve</translation>
    </message>
    <message>
        <source>Keine Aufgabe: --solve oder --system fehlt</source>
        <translation>No task: --solve or --system is missing</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach dem schließenden Anführungszeichen</source>
        <translation>Line %1: text after the closing quote</translation>
    </message>
    <message>
        <source>Zeile %1: ein Anführungszeichen ist nicht geschlossen</source>
        <translation>Line %1: a quote is not closed</translation>
    </message>
    <message>
        <source>kein Text in UTF-8</source>
        <translation>not a text in UTF-8</translation>
    </message>
    <message>
        <source>keine Zeile mit einer Gleichung</source>
        <translation>no line with an equation</translation>
    </message>
    <message>
        <source>%1 Zeilen, die Tabelle hat %2</source>
        <translation>%1 lines, the table has %2</translation>
    </message>
    <message>
        <source>Zeile %1 hat %2 Spalten, die Tabelle hat %3</source>
        <translation>Line %1 has %2 columns, the table has %3</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Jedes x von %1 bis %2 löst die Gleichung</source>
        <translation>Every x from %1 to %2 solves the equation</translation>
    </message>
    <message>
        <source>Gleich im Rahmen der Rechengenauigkeit: x von %1 bis %2</source>
        <translation>Equal within the precision of the calculation: x from %1 to %2</translation>
    </message>
    <message>
        <source>Abgebrochen: gesucht bis x = %1</source>
        <translation>Cancelled: searched up to x = %1</translation>
    </message>
    <message>
        <source>Abgebrochen: die Liste reicht bis x = %1</source>
        <translation>Cancelled: the list goes up to x = %1</translation>
    </message>
    <message>
        <source>Nur die ersten %1 Nullstellen: die Liste reicht bis x = %2</source>
        <translation>Only the first %1 roots: the list goes up to x = %2</translation>
    </message>
    <message>
        <source>Nicht entschieden: x von %1 bis %2</source>
        <translation>Not decided: x from %1 to %2</translation>
    </message>
    <message>
        <source>Keine Nullstelle im Intervall</source>
        <translation>No root in the interval</translation>
    </message>
    <message>
        <source>%1 auf der linken Seite: %2</source>
        <translation>%1 on the left side: %2</translation>
    </message>
    <message>
        <source>%1 auf der rechten Seite: %2</source>
        <translation>%1 on the right side: %2</translation>
    </message>
    <message>
        <source>Unbekanntes Wort</source>
        <translation>Unknown word</translation>
    </message>
    <message>
        <source>Unbekanntes Zeichen</source>
        <translation>Unknown character</translation>
    </message>
    <message>
        <source>Unbekannte Variable</source>
        <translation>Unknown variable</translation>
    </message>
    <message>
        <source>Fehlendes Malzeichen</source>
        <translation>Missing multiplication sign</translation>
    </message>
    <message>
        <source>Unbekannte Exponentenschreibweise</source>
        <translation>Unknown exponent notation</translation>
    </message>
    <message>
        <source>Doppeltes Rechenzeichen</source>
        <translation>Doubled operator</translation>
    </message>
    <message>
        <source>Fehlender Operand</source>
        <translation>Missing operand</translation>
    </message>
    <message>
        <source>Nicht geschlossene Klammer</source>
        <translation>Unclosed parenthesis</translation>
    </message>
    <message>
        <source>Nicht geöffnete Klammer</source>
        <translation>Parenthesis never opened</translation>
    </message>
    <message>
        <source>Fehlendes Argument</source>
        <translation>Missing argument</translation>
    </message>
    <message>
        <source>Leere Klammer</source>
        <translation>Empty parentheses</translation>
    </message>
    <message>
        <source>Ungültige Zahl</source>
        <translation>Invalid number</translation>
    </message>
    <message>
        <source>Beispiel:%1</source>
        <translation>Example:%1</translation>
    </message>
    <message>
        <source>Beispiel: 1 --------------------------------------------------------------</source>
        <translation>Example: 1 ---------------------------------------------------------------</translation>
    </message>
    <message>
        <source>G1: 18 = 1*X1 + 1*X2 + 1*X3</source>
        <translation>E1: 18 = 1*X1 + 1*X2 + 1*X3</translation>
    </message>
    <message>
        <source>G2: 12 = 1*x1 + 1*x2 - 1*x3</source>
        <translation>E2: 12 = 1*x1 + 1*x2 - 1*x3</translation>
    </message>
    <message>
        <source>G3: -8 = 1*x1 - 1*x2 - 1*x3</source>
        <translation>E3: -8 = 1*x1 - 1*x2 - 1*x3</translation>
    </message>
    <message>
        <source>Beispiel: 2---------------------------------------------------------------</source>
        <translation>Example: 2----------------------------------------------------------------</translation>
    </message>
    <message>
        <source>G1: 29 = 2*X1 + 3*X2 + 2*X3</source>
        <translation>E1: 29 = 2*X1 + 3*X2 + 2*X3</translation>
    </message>
    <message>
        <source>G2: 31 = 3*x1 + 2*x2 + 3*x3</source>
        <translation>E2: 31 = 3*x1 + 2*x2 + 3*x3</translation>
    </message>
    <message>
        <source>G3: 40 = 4*x1 + 4*x2 + 2*x3</source>
        <translation>E3: 40 = 4*x1 + 4*x2 + 2*x3</translation>
    </message>
    <message>
        <source>Beispiel: 3 -------------------------------------------------------------</source>
        <translation>Example: 3 --------------------------------------------------------------</translation>
    </message>
    <message>
        <source>Beispiel: 4 ------------------------------------------------------------</source>
        <translation>Example: 4 -------------------------------------------------------------</translation>
    </message>
    <message>
        <source>Keine Zahl in G%1, %2: %3</source>
        <translation>Not a number in E%1, %2: %3</translation>
    </message>
    <message>
        <source>Unendlich viele Loesungen!</source>
        <translation>Infinitely many solutions!</translation>
    </message>
    <message>
        <source>Keine Loesung!</source>
        <translation>No solution!</translation>
    </message>
    <message>
        <source>Beispiel Nr:%1</source>
        <translation>Example no:%1</translation>
    </message>
    <message>
        <source>Quintabor_2004-Version 0.5  eMail:kontakt@example.org     https://example.org</source>
        <translation>Quintabor_2004-Version 0.5  eMail:kontakt@example.org     https://example.org</translation>
    </message>
    <message>
        <source>jsdjsdjfiagjggaojgiioeiohreerz</source>
        <translation>jsdjsdjfiagjggaojgiioeiohreerz</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Lösche Eingabe</source>
        <translation>Clear input</translation>
    </message>
    <message>
        <source>Lösche Ausgabe</source>
        <translation>Clear output</translation>
    </message>
    <message>
        <source>Beispiel</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Bitte click mich!</source>
        <translation>Please click me!</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>0.01</source>
        <translation>0.01</translation>
    </message>
    <message>
        <source>0.001</source>
        <translation>0.001</translation>
    </message>
    <message>
        <source>Mitte: </source>
        <translation>Centre: </translation>
    </message>
    <message>
        <source>Delta:</source>
        <translation>Delta:</translation>
    </message>
    <message>
        <source>Annäherung von:</source>
        <translation>Search from:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>&amp;Gleichung X=?</source>
        <translation>&amp;Equation X=?</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Steuern</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Ymax:0.0</source>
        <translation>Ymax:0.0</translation>
    </message>
    <message>
        <source>xM=</source>
        <translation>xM=</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>yM=</source>
        <translation>yM=</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Größer</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Kleiner</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>yGrößer</source>
        <translation>yLarger</translation>
    </message>
    <message>
        <source>yKleiner</source>
        <translation>ySmaller</translation>
    </message>
    <message>
        <source>yL u. yR</source>
        <translation>yL and yR</translation>
    </message>
    <message>
        <source>Ymin:0.0</source>
        <translation>Ymin:0.0</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Lösche Tabelle</source>
        <translation>Clear table</translation>
    </message>
    <message>
        <source>Beispiele</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>GleichungenXYZ</source>
        <translation>EquationsXYZ</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Gleichnungen_X</source>
        <translation>Equations_X</translation>
    </message>
    <message>
        <source>Löst Gleichungen mit einer Unbekanten z.B. x^2=56-x</source>
        <translation>Solves equations in one unknown, e.g. x^2=56-x</translation>
    </message>
    <message>
        <source>Gleichungen_ XYZ </source>
        <translation>Equations_ XYZ </translation>
    </message>
    <message>
        <source>Löst Gleichungen mit mehreren Unbekanten z.B.   x+y=12    und    x-y=2 </source>
        <translation>Solves equations in several unknowns, e.g.   x+y=12    and    x-y=2 </translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Linke Seite der Gleichung</source>
        <translation>Left side of the equation</translation>
    </message>
    <message>
        <source>Rechte Seite der Gleichung</source>
        <translation>Right side of the equation</translation>
    </message>
    <message>
        <source>Gleichung lösen</source>
        <translation>Solve the equation</translation>
    </message>
    <message>
        <source>Ergebnisse</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Verschieben in x</source>
        <translation>Pan in x</translation>
    </message>
    <message>
        <source>Verschieben in y</source>
        <translation>Pan in y</translation>
    </message>
    <message>
        <source>Operatoren und Funktionen</source>
        <translation>Operators and functions</translation>
    </message>
    <message>
        <source>Koeffizienten der Gleichungen</source>
        <translation>Coefficients of the equations</translation>
    </message>
    <message>
        <source>Gleichungssystem lösen</source>
        <translation>Solve the system of equations</translation>
    </message>
    <message>
        <source>Wert=</source>
        <translation>Value=</translation>
    </message>
    <message>
        <source>k1*X1</source>
        <translation>k1*X1</translation>
    </message>
    <message>
        <source>k2*X2</source>
        <translation>k2*X2</translation>
    </message>
    <message>
        <source>k3*X3</source>
        <translation>k3*X3</translation>
    </message>
    <message>
        <source>k4*X4</source>
        <translation>k4*X4</translation>
    </message>
    <message>
        <source>k5*X5</source>
        <translation>k5*X5</translation>
    </message>
    <message>
        <source>k6*X6</source>
        <translation>k6*X6</translation>
    </message>
    <message>
        <source>k7*X7</source>
        <translation>k7*X7</translation>
    </message>
    <message>
        <source>k8*X8</source>
        <translation>k8*X8</translation>
    </message>
    <message>
        <source>k9*X9</source>
        <translation>k9*X9</translation>
    </message>
    <message>
        <source>k10*X10</source>
        <translation>k10*X10</translation>
    </message>
    <message>
        <source>G1</source>
        <translation>E1</translation>
    </message>
    <message>
        <source>G2</source>
        <translation>E2</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>E3</translation>
    </message>
    <message>
        <source>G4</source>
        <translation>E4</translation>
    </message>
    <message>
        <source>G5</source>
        <translation>E5</translation>
    </message>
    <message>
        <source>G6</source>
        <translation>E6</translation>
    </message>
    <message>
        <source>G7</source>
        <translation>E7</translation>
    </message>
    <message>
        <source>G8</source>
        <translation>E8</translation>
    </message>
    <message>
        <source>G9</source>
        <translation>E9</translation>
    </message>
    <message>
        <source>G10</source>
        <translation>E10</translation>
    </message>
    <message>
        <source>+ ........... Plus</source>
        <translation>+ ........... Plus</translation>
    </message>
    <message>
        <source>- ........... Minus</source>
        <translation>- ........... Minus</translation>
    </message>
    <message>
        <source>* ........... Multiplikationszeichen</source>
        <translation>* ........... Multiplication sign</translation>
    </message>
    <message>
        <source>/ ........... Divisionszeichen</source>
        <translation>/ ........... Division sign</translation>
    </message>
    <message>
        <source>: ........... Divisionszeichen</source>
        <translation>: ........... Division sign</translation>
    </message>
    <message>
        <source>^ ........... Hochzeichen</source>
        <translation>^ ........... Power sign</translation>
    </message>
    <message>
        <source>sqrt(x) ..... Quadratwurzel</source>
        <translation>sqrt(x) ..... Square root</translation>
    </message>
    <message>
        <source>sin(x) ...... Sinus (RAD)</source>
        <translation>sin(x) ...... Sine (RAD)</translation>
    </message>
    <message>
        <source>cos(x) ...... Cosinus (RAD)</source>
        <translation>cos(x) ...... Cosine (RAD)</translation>
    </message>
    <message>
        <source>tan(x) ...... Tangens (RAD)</source>
        <translation>tan(x) ...... Tangent (RAD)</translation>
    </message>
    <message>
        <source>asin(x) ..... Arcsinus (RAD)</source>
        <translation>asin(x) ..... Arcsine (RAD)</translation>
    </message>
    <message>
        <source>acos(x) ..... Arccosinus (RAD)</source>
        <translation>acos(x) ..... Arccosine (RAD)</translation>
    </message>
    <message>
        <source>atan(x) ..... Arctangens (RAD)</source>
        <translation>atan(x) ..... Arctangent (RAD)</translation>
    </message>
    <message>
        <source>sinD(x) ..... Sinus (DEG)</source>
        <translation>sinD(x) ..... Sine (DEG)</translation>
    </message>
    <message>
        <source>cosD(x) ..... Cosinus (DEG)</source>
        <translation>cosD(x) ..... Cosine (DEG)</translation>
    </message>
    <message>
        <source>tanD(x) ..... Tangens (DEG)</source>
        <translation>tanD(x) ..... Tangent (DEG)</translation>
    </message>
    <message>
        <source>asinD(x) .... Arcsinus (DEG)</source>
        <translation>asinD(x) .... Arcsine (DEG)</translation>
    </message>
    <message>
        <source>acosD(x) .... Arccosinus (DEG)</source>
        <translation>acosD(x) .... Arccosine (DEG)</translation>
    </message>
    <message>
        <source>atanD(x) .... Arctangens (DEG)</source>
        <translation>atanD(x) .... Arctangent (DEG)</translation>
    </message>
    <message>
        <source>log(x) ...... Logarithmus zur Basis 10</source>
        <translation>log(x) ...... Logarithm to base 10</translation>
    </message>
    <message>
        <source>ln(x) ....... Logarithmus zur Basis  e=2.718281828</source>
        <translation>ln(x) ....... Logarithm to base  e=2.718281828</translation>
    </message>
    <message>
        <source>expz(x) ..... Expotentialfunktion 10^x=1000  expz(x)=1000</source>
        <translation>expz(x) ..... Exponential function 10^x=1000  expz(x)=1000</translation>
    </message>
    <message>
        <source>expn(x) ..... Expotentialfunktion 2.718281828^x=1  expn(x)=1</source>
        <translation>expn(x) ..... Exponential function 2.718281828^x=1  expn(x)=1</translation>
    </message>
    <message>
        <source>sinh(x) ..... Hyperbelsinus</source>
        <translation>sinh(x) ..... Hyperbolic sine</translation>
    </message>
    <message>
        <source>cosh(x) ..... Hyperbelcosinus</source>
        <translation>cosh(x) ..... Hyperbolic cosine</translation>
    </message>
    <message>
        <source>tanh(x) ..... Hyperbeltangens</source>
        <translation>tanh(x) ..... Hyperbolic tangent</translation>
    </message>
    <message>
        <source>( ........... Klammer auf</source>
        <translation>( ........... Opening parenthesis</translation>
    </message>
    <message>
        <source>) ........... Klammer  zu</source>
        <translation>) ........... Closing parenthesis</translation>
    </message>
    <message>
        <source>e ........... e=2.718281828 Konstante</source>
        <translation>e ........... e=2.718281828 constant</translation>
    </message>
    <message>
        <source>pi .......... pi=3.141592654 Konstante</source>
        <translation>pi .......... pi=3.141592654 constant</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot;font-size:12pt;font-family:Sans&quot;&gt;
&lt;p style=&quot;margin-top:16px&quot;&gt;&lt;span style=&quot;font-family:Adobe Times;font-size:20pt;font-weight:600&quot;&gt;100=2*X1+3*X2+5*X3&lt;br /&gt; Sie dürfen in die Tabelle nur die Koeffitienten die vor X stehen eingeben.&lt;br /&gt;Also k1=2, k2=3 und k3=5&lt;br /&gt;zum Beispiel:&lt;br /&gt;&lt;br /&gt;Gleichung      |              Tabelle&lt;br /&gt;----------------------------------------------&lt;br /&gt;2*x - 3*y=1    &amp;gt;&amp;gt;--&amp;gt;    | 1 |   2 | -3|&lt;br /&gt;3*x + y  =18   &amp;gt;&amp;gt;--&amp;gt;    |18|  3 |  1|&lt;br /&gt;&lt;/span&gt;&lt;/p&gt;
&lt;/body&gt;&lt;/html&gt;
</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot;font-size:12pt;font-family:Sans&quot;&gt;
&lt;p style=&quot;margin-top:16px&quot;&gt;&lt;span style=&quot;font-family:Adobe Times;font-size:20pt;font-weight:600&quot;&gt;100=2*X1+3*X2+5*X3&lt;br /&gt; Enter into the table only the coefficients that stand in front of X.&lt;br /&gt;So k1=2, k2=3 and k3=5&lt;br /&gt;for example:&lt;br /&gt;&lt;br /&gt;Equation       |              Table&lt;br /&gt;----------------------------------------------&lt;br /&gt;2*x - 3*y=1    &amp;gt;&amp;gt;--&amp;gt;    | 1 |   2 | -3|&lt;br /&gt;3*x + y  =18   &amp;gt;&amp;gt;--&amp;gt;    |18|  3 |  1|&lt;br /&gt;&lt;/span&gt;&lt;/p&gt;
&lt;/body&gt;&lt;/html&gt;
</translation>
    </message>
    <message>
        <source>… und %1 weitere nicht entschiedene Stellen zwischen x = %2 und x = %3</source>
        <translation>… and %1 more undecided places between x = %2 and x = %3</translation>
    </message>
    <message>
        <source>Polstelle bei x = %1</source>
        <translation>Pole at x = %1</translation>
    </message>
    <message>
        <source>%1 Polstellen von x = %2 bis %3</source>
        <translation>%1 poles from x = %2 to %3</translation>
    </message>
    <message>
        <source>Definitionslücke bei x = %1</source>
        <translation>Gap in the domain at x = %1</translation>
    </message>
    <message>
        <source>%1 Definitionslücken von x = %2 bis %3</source>
        <translation>%1 gaps in the domain from x = %2 to %3</translation>
    </message>
    <message>
        <source>X%1 frei</source>
        <translation>X%1 free</translation>
    </message>
    <message>
        <source>G%1 ist leer</source>
        <translation>E%1 is empty</translation>
    </message>
    <message>
        <source>Die linke Seite ist leer</source>
        <translation>The left side is empty</translation>
    </message>
    <message>
        <source>Die rechte Seite ist leer</source>
        <translation>The right side is empty</translation>
    </message>
    <message>
        <source>Nur ganze Zahlen</source>
        <translation>Whole numbers only</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht geschrieben: Grafiken werden als .png, .svg oder .pdf gespeichert</source>
        <translation>The file %1 was not written: graphs are saved as .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht geschrieben: die Grafik hat keine Fläche</source>
        <translation>The file %1 was not written: the graph has no area</translation>
    </message>
    <message>
        <source>Lösungsintervall</source>
        <translation>Solution interval</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht geschrieben: %2</source>
        <translation>The file %1 was not written: %2</translation>
    </message>
    <message>
        <source>Schreibfehler</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Quintabor-Sitzungen (*.%1)</source>
        <translation>Quintabor sessions (*.%1)</translation>
    </message>
    <message>
        <source>Sitzung speichern</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>Die Sitzung wurde nicht gespeichert.
%1</source>
        <translation>The session was not saved.
%1</translation>
    </message>
    <message>
        <source>Sitzung öffnen</source>
        <translation>Open session</translation>
    </message>
    <message>
        <source>Die Sitzung wurde nicht geöffnet.
%1</source>
        <translation>The session was not opened.
%1</translation>
    </message>
    <message>
        <source>Sitzung speichern…</source>
        <translation>Save session…</translation>
    </message>
    <message>
        <source>Sitzung öffnen…</source>
        <translation>Open session…</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Ungültiger Eintrag: %1</source>
        <translation>Invalid entry: %1</translation>
    </message>
    <message>
        <source>beschädigt oder abgeschnitten: %1 bei Zeichen %2</source>
        <translation>damaged or truncated: %1 at character %2</translation>
    </message>
    <message>
        <source>keine Sitzung von Quintabor</source>
        <translation>not a Quintabor session</translation>
    </message>
    <message>
        <source>ohne gültige Formatversion</source>
        <translation>without a valid format version</translation>
    </message>
    <message>
        <source>Format %1 einer neueren Fassung; diese liest bis Format %2</source>
        <translation>format %1 of a newer release; this one reads up to format %2</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 ist nicht lesbar: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: zu groß für eine Sitzung</source>
        <translation>%1: too large for a session</translation>
    </message>
</context>
<context>
    <name>i18n</name>
    <message>
        <source>								Führe Berechnungen 		  durch.								

Bitte	warten!
</source>
        <translation>Calculating.

Please wait!
</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
</TS>
