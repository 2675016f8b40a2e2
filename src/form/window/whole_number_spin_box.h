#pragma once

#include <QSpinBox>

// A spin box of whole numbers that says so when a decimal point, a decimal comma or the
// locale's group separator is typed or pasted: it refuses the text, as a spin box does, and
// shows "Nur ganze Zahlen" below itself instead of dropping the character without a word
// (or reading 2.5 as 25 with the point as a group separator).
class WholeNumberSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

    // How long the hint shows.
    static constexpr int HintMs = 3000;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
};
