#pragma once

#include <QObject>
#include <QString>

class Form1;
class QAction;
class QListWidget;
class QPrinter;

// The menu entries that take the plot and the results out of the program: "Grafik
// speichern…", "Drucken…" and "Ergebnisse speichern…". Ctrl+S saves what the page shown
// concerns: the plot on the graph tab, else the result list; Ctrl+P prints.
class ExportActions : public QObject {
    Q_OBJECT

public:
    // Adds the entries to the window's menu; they belong to the window.
    explicit ExportActions(Form1* form);

    QAction* grafikSpeichern_Action;
    QAction* drucken_Action;
    QAction* ergebnisseSpeichern_Action;

    // Writes the plot as shown (PNG, SVG or PDF by the suffix). Empty, or the failure.
    QString saveGraph(const QString& path) const;
    // Writes the result list of the page shown: as CSV, one finding per row, for a .csv
    // name, else its lines as text. Empty, or the failure.
    QString saveResults(const QString& path) const;
    // Prints the plot (on the equation page) and the result list of the page shown; false
    // when the printer could not be used.
    bool print(QPrinter& printer) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTexts();
    // Ctrl+S goes to the entry of the page shown.
    void followPage();
    bool graphShown() const;
    bool equationPageShown() const;
    QListWidget* shownResultList() const;

    void saveGraphAsked();
    void printAsked();
    void saveResultsAsked();

    Form1* m_form;
};
