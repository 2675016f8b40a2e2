#pragma once

class Form1;
class QSettings;

// The window's inputs kept across runs in the user's settings (QSettings, INI format, user
// scope, quintabor/quintabor.ini): both sides, centre, half-width, step, page and tabs, the
// coefficient table and the window's geometry.

void saveKeptInputs(const Form1& window, QSettings& settings);

// Restores what saveKeptInputs kept; a setting that is missing or not of its kind leaves its
// control as it is.
void restoreKeptInputs(Form1& window, const QSettings& settings);

// Restores the inputs the last run kept, and keeps them again each time the window closes.
void keepInputsAcrossRuns(Form1& window);
