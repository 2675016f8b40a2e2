#include "form/window/kept_inputs.h"

#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>

#include "form/window/form1.h"
#include "form/window/window_inputs.h"

namespace {

const QString CellsKey = QStringLiteral("system/cells");

// The cells as one JSON array of rows: a list of empty texts would not survive INI's lists.
QString cellsText(const CellTexts& cells) {
    QJsonArray rows;
    for (const QStringList& row : cells) {
        rows.append(QJsonArray::fromStringList(row));
    }
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact));
}

// Puts the texts of the kept cells into cells, as far as both reach.
void readCells(const QString& text, CellTexts& cells) {
    const QJsonArray rows = QJsonDocument::fromJson(text.toUtf8()).array();
    for (int row = 0; row < rows.size() && row < cells.size(); ++row) {
        const QJsonArray columns = rows[row].toArray();
        for (int column = 0; column < columns.size() && column < cells[row].size(); ++column) {
            if (columns[column].isString()) {
                cells[row][column] = columns[column].toString();
            }
        }
    }
}

// An int setting, or the fallback when it is missing or no whole number.
int intSetting(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : fallback;
}

QString textSetting(const QSettings& settings, const QString& key, const QString& fallback) {
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : fallback;
}

// Saves the inputs when the window it watches closes.
class CloseWatcher : public QObject {
public:
    explicit CloseWatcher(Form1& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Close) {
            QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                               QStringLiteral("quintabor"), QStringLiteral("quintabor"));
            saveKeptInputs(window_, settings);
        }
        return false;
    }

private:
    Form1& window_;
};

} // namespace

void saveKeptInputs(const Form1& window, QSettings& settings) {
    const WindowInputs inputs = inputsOf(window);
    settings.setValue(QStringLiteral("equation/left"), inputs.left);
    settings.setValue(QStringLiteral("equation/right"), inputs.right);
    settings.setValue(QStringLiteral("equation/centre"), inputs.centre);
    settings.setValue(QStringLiteral("equation/halfWidth"), inputs.halfWidth);
    settings.setValue(QStringLiteral("equation/step"),
                      inputs.thousandths ? QStringLiteral("0.001") : QStringLiteral("0.01"));
    settings.setValue(QStringLiteral("view/page"), inputs.page);
    settings.setValue(QStringLiteral("view/equationTab"), inputs.equationTab);
    settings.setValue(QStringLiteral("view/systemTab"), inputs.systemTab);
    settings.setValue(CellsKey, cellsText(inputs.cells));
    settings.setValue(QStringLiteral("window/geometry"), window.saveGeometry());
    settings.sync();
}

void restoreKeptInputs(Form1& window, const QSettings& settings) {
    WindowInputs inputs = inputsOf(window);
    inputs.left = textSetting(settings, QStringLiteral("equation/left"), inputs.left);
    inputs.right = textSetting(settings, QStringLiteral("equation/right"), inputs.right);
    inputs.centre = intSetting(settings, QStringLiteral("equation/centre"), inputs.centre);
    inputs.halfWidth = intSetting(settings, QStringLiteral("equation/halfWidth"), inputs.halfWidth);
    const QString step = settings.value(QStringLiteral("equation/step")).toString();
    if (step == QLatin1String("0.01") || step == QLatin1String("0.001")) {
        inputs.thousandths = step == QLatin1String("0.001");
    }
    inputs.page = intSetting(settings, QStringLiteral("view/page"), inputs.page);
    inputs.equationTab =
        intSetting(settings, QStringLiteral("view/equationTab"), inputs.equationTab);
    inputs.systemTab = intSetting(settings, QStringLiteral("view/systemTab"), inputs.systemTab);
    readCells(settings.value(CellsKey).toString(), inputs.cells);
    applyInputs(window, inputs);
    const QVariant geometry = settings.value(QStringLiteral("window/geometry"));
    if (geometry.isValid()) {
        window.restoreGeometry(geometry.toByteArray());
    }
}

void keepInputsAcrossRuns(Form1& window) {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                             QStringLiteral("quintabor"), QStringLiteral("quintabor"));
    restoreKeptInputs(window, settings);
    window.installEventFilter(new CloseWatcher(window));
}
