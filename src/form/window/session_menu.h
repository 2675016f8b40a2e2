#pragma once

#include <QString>

class Form1;

// The session entries of the window's menu, "Sitzung speichern…" and "Sitzung öffnen…",
// after the page entries: each asks for a file and saves or opens the window's session there,
// and names the problem in a message when it cannot. A session that cannot be opened changes
// nothing in the window.
void addSessionMenu(Form1& window);

// The window's session: its inputs and the lines of both result lists.
struct Session;
Session sessionOf(const Form1& window);

// Saves the window's session to path (the suffix .quintabor added when missing). Returns the
// problem, or an empty text.
QString saveSession(const Form1& window, const QString& path);

// Opens the session of the file at path into the window, or changes nothing and returns the
// problem.
QString openSession(Form1& window, const QString& path);
