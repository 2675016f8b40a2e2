#include "form/window/window_inputs.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

#include "form/equation/equation_block.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"

WindowInputs inputsOf(const Form1& window) {
    WindowInputs inputs;
    inputs.left = window.GleichLinks_LineEdit->text();
    inputs.right = window.GleichRechts_LineEdit->text();
    inputs.centre = window.Mitte_spinBox->value();
    inputs.halfWidth = window.Delta_spinBox->value();
    inputs.thousandths = window.tusendstel_radioButton->isChecked();
    inputs.page = window.widgetStack->currentIndex();
    inputs.equationTab = window.TabWidget->currentIndex();
    inputs.systemTab = window.tabWidget3->currentIndex();
    inputs.cells = tableTexts(window.GleichungenXYZ_table);
    return inputs;
}

void applyInputs(Form1& window, const WindowInputs& inputs) {
    window.GleichLinks_LineEdit->setText(inputs.left);
    window.GleichRechts_LineEdit->setText(inputs.right);
    window.Mitte_spinBox->setValue(inputs.centre);
    window.Delta_spinBox->setValue(inputs.halfWidth);
    // Checked as a click would, without the click's line on standard output.
    (inputs.thousandths ? window.tusendstel_radioButton : window.hunderstel_radioButton)
        ->setChecked(true);
    Schrittweite = inputs.thousandths ? ThousandthSteps : HundredthSteps;

    QTableWidget* table = window.GleichungenXYZ_table;
    table->clearContents();
    const int rows = std::min(static_cast<int>(inputs.cells.size()), table->rowCount());
    for (int row = 0; row < rows; ++row) {
        const int columns =
            std::min(static_cast<int>(inputs.cells[row].size()), table->columnCount());
        for (int column = 0; column < columns; ++column) {
            if (!inputs.cells[row][column].isEmpty()) {
                table->setItem(row, column, new QTableWidgetItem(inputs.cells[row][column]));
            }
        }
    }

    if (inputs.equationTab >= 0 && inputs.equationTab < window.TabWidget->count()) {
        window.TabWidget->setCurrentIndex(inputs.equationTab);
    }
    if (inputs.systemTab >= 0 && inputs.systemTab < window.tabWidget3->count()) {
        window.tabWidget3->setCurrentIndex(inputs.systemTab);
    }
    if (inputs.page >= 0 && inputs.page < window.widgetStack->count()) {
        window.widgetStack->setCurrentIndex(inputs.page);
    }
}
