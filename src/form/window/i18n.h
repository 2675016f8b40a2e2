#pragma once

#include <QString>

// Translates a UTF-8 text through the application's translators in the context "i18n".
// Without an application object, or for a null text, it returns the text decoded as UTF-8.
QString i18n(const char* text);
