#pragma once

#include <QString>

class QPushButton;

// Sets a button's text without a keyboard accelerator and, where the text in the font of its
// parent is wider than the button can be (width, in pixels), a smaller point size of that font
// with which it fits whole.
void setFittedText(QPushButton* button, const QString& text, int width);
