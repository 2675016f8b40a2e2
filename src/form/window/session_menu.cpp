#include "form/window/session_menu.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>

#include "form/window/form1.h"
#include "form/window/session_file.h"

namespace {

QStringList linesOf(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        lines << list->item(row)->text();
    }
    return lines;
}

QString fileFilter() {
    return Form1::tr("Quintabor-Sitzungen (*.%1)").arg(QLatin1String(SessionSuffix));
}

void saveFromDialog(Form1& window) {
    QFileDialog dialog(&window, Form1::tr("Sitzung speichern"), QString(), fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix is added before the dialog asks whether to replace a file of that name.
    dialog.setDefaultSuffix(QLatin1String(SessionSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString problem = saveSession(window, dialog.selectedFiles().constFirst());
    if (!problem.isEmpty()) {
        QMessageBox::warning(&window, Form1::tr("Sitzung speichern"),
                             Form1::tr("Die Sitzung wurde nicht gespeichert.\n%1").arg(problem));
    }
}

void openFromDialog(Form1& window) {
    const QString path =
        QFileDialog::getOpenFileName(&window, Form1::tr("Sitzung öffnen"), QString(), fileFilter());
    if (path.isEmpty()) {
        return;
    }
    const QString problem = openSession(window, path);
    if (!problem.isEmpty()) {
        QMessageBox::warning(&window, Form1::tr("Sitzung öffnen"),
                             Form1::tr("Die Sitzung wurde nicht geöffnet.\n%1").arg(problem));
    }
}

} // namespace

void addSessionMenu(Form1& window) {
    window.PopupMenu->addSeparator();
    QAction* save = window.PopupMenu->addAction(Form1::tr("Sitzung speichern…"));
    save->setObjectName(QStringLiteral("sitzungSpeichern_Action"));
    QObject::connect(save, &QAction::triggered, &window, [&window] { saveFromDialog(window); });
    QAction* open = window.PopupMenu->addAction(Form1::tr("Sitzung öffnen…"));
    open->setObjectName(QStringLiteral("sitzungOeffnen_Action"));
    QObject::connect(open, &QAction::triggered, &window, [&window] { openFromDialog(window); });
}

Session sessionOf(const Form1& window) {
    return {inputsOf(window), linesOf(window.Ergebnisse_ListBox),
            linesOf(window.AusgabeXYZ_listBox)};
}

QString saveSession(const Form1& window, const QString& path) {
    QString target = path;
    if (QFileInfo(target).suffix() != QLatin1String(SessionSuffix)) {
        target += QLatin1Char('.') + QLatin1String(SessionSuffix);
    }
    return writeSessionFile(target, sessionOf(window));
}

QString openSession(Form1& window, const QString& path) {
    const SessionRead read = readSessionFile(path);
    if (!read.session) {
        return read.problem;
    }
    applyInputs(window, read.session->inputs);
    window.Ergebnisse_ListBox->clear();
    window.Ergebnisse_ListBox->addItems(read.session->equationResults);
    window.AusgabeXYZ_listBox->clear();
    window.AusgabeXYZ_listBox->addItems(read.session->systemResults);
    return QString();
}
