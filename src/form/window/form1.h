#pragma once

#include <QColor>
#include <QMainWindow>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTimerEvent>

#include "form/window/result_list.h"

class GraphFrame;
class QAction;
class QButtonGroup;
class QFrame;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpacerItem;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QVBoxLayout;

// The main window: page 0 solves one equation, plots it and lists the formula
// language; page 1 solves linear systems. Every widget is a public member named as its
// object name. The slot bodies live in one file per page.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr, const char* name = nullptr,
                   Qt::WindowFlags fl = Qt::Window);
    ~Form1() override;

    QStackedWidget* widgetStack;
    QWidget* WStackPage;
    QTabWidget* TabWidget;
    QWidget* Gleichung_TabPage;
    QLineEdit* GleichLinks_LineEdit;
    QPushButton* IstGleich_pushButton;
    QLineEdit* GleichRechts_LineEdit;
    ResultList* Ergebnisse_ListBox;
    QFrame* frame3;
    QPushButton* clearEingabe_pushButton;
    QPushButton* clearAusgabe_pushButton;
    QPushButton* Beispiel_pushButton;
    QGroupBox* Schritte_groupBox;
    QButtonGroup* Schritte_buttonGrup;
    QRadioButton* hunderstel_radioButton;
    QRadioButton* tusendstel_radioButton;
    QLabel* textLabel1;
    QSpinBox* Mitte_spinBox;
    QLabel* textLabel2;
    QSpinBox* Delta_spinBox;
    QLabel* textLabel3;
    QLabel* vonX_lb;
    QLabel* textLabel4;
    QLabel* bisX_lb;
    QWidget* Graph_TabPage;
    QScrollBar* yOffset_scrollBar;
    QLabel* Xmin_textLabel;
    QScrollBar* xOffset_scrollBar;
    QLabel* Xmax_textLabel;
    QGroupBox* Steuern_groupBox;
    QLabel* Ymax_textLabel;
    QLabel* textLabel1_2;
    QLabel* x_textLabel;
    QLabel* textLabel3_2;
    QLabel* y_textLabel;
    QPushButton* Zeichnen_pushButton;
    QPushButton* Normal_pushButton;
    QPushButton* Loesungsintervall_pushButton;
    QPushButton* Vergroessern_pushButton;
    QPushButton* Verkleinern_pushButton;
    QPushButton* yGroesser_pushButton;
    QPushButton* yKleiner_pushButton;
    QPushButton* yL_yR_pushButton13;
    QLabel* Ymin_textLabel;
    GraphFrame* grafik;
    QWidget* Hilfe_TabPage;
    QListWidget* HilfeListBox;
    QWidget* WStackPage_2;
    QTabWidget* tabWidget3;
    QWidget* tab;
    QTableWidget* GleichungenXYZ_table;
    ResultList* AusgabeXYZ_listBox;
    QFrame* frame6;
    QPushButton* istGleichXYZ_pushButton;
    QPushButton* clearTableXYZ_pushButton;
    QPushButton* clearlListBoxXYZ_pushButton;
    QPushButton* BeispieleXYZ_pushButton;
    QWidget* tab_2;
    QTextEdit* textEdit1;
    QMenuBar* MenuBarEditor;
    QMenu* PopupMenu;
    QAction* menuGleichnungenX_Action;
    QAction* menuGleichungenXYZ_Action;

    virtual int X_ungefaehr(int a, int b);
    virtual void KurveZeichnen(long double* Werte, long double Massstab, int Anzahl, QColor Farbe,
                               int* Fehler);
    virtual void newFunction();

public slots:
    virtual void DeltaSlot(int n);
    virtual void MitteSlot(int n);
    virtual void BeispielSlot();
    virtual void istGleichSlot();
    virtual void ZeichnenSlot();
    virtual void clearEingabeSlot();
    virtual void clearAusgabeSlot();
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    virtual void VergroessernSlot();
    virtual void VerkleinernSlot();
    virtual void NormalSlot();
    virtual void TabWidgetSlot(QWidget* pTW);
    virtual void BeispielGleichungen();
    void timerEvent(QTimerEvent* e) override;
    void moveEvent(QMoveEvent* event) override;
    virtual void yL_yRSlot(bool b);
    virtual void xOffset_scrollBarSlot(int x);
    virtual void yOffset_scrollBarSlot(int y);
    virtual void yKleiner_pressedSlot();
    virtual void yKleiner_releasedSlot();
    virtual void yGroesser_pressedSlot();
    virtual void yGroesser_releasedSlot();
    virtual void menuGleichungenX_Slot();
    virtual void menuGleichungenXYZ_Slot();
    virtual void istGleichXYZ_Slot();
    virtual void clearTabeleXYZ_Slot();
    virtual void clearListBoxXYZ_Slot();
    virtual void BeispieleXYZ_Slot();
    virtual long double X_Regula_Falsi(long double XL, long double XR, bool& Fehler);
    virtual void SchrittweiteSlot(int s);
    virtual void LoesungsintervallSlot();

protected:
    QGridLayout* Form1Layout;
    QGridLayout* WStackPageLayout;
    QGridLayout* Gleichung_TabPageLayout;
    QHBoxLayout* layout12;
    QGridLayout* frame3Layout;
    QHBoxLayout* Schritte_buttonGrupLayout;
    QHBoxLayout* layout29;
    QHBoxLayout* layout30;
    QHBoxLayout* layout27;
    QHBoxLayout* layout28;
    QGridLayout* Graph_TabPageLayout;
    QHBoxLayout* layout23;
    QVBoxLayout* Steuern_groupBoxLayout;
    QSpacerItem* Steuern_spacer;
    QHBoxLayout* layout16;
    QHBoxLayout* layout5;
    QGridLayout* Hilfe_TabPageLayout;
    QGridLayout* WStackPageLayout_2;
    QVBoxLayout* tabLayout;
    QHBoxLayout* layout21;
    QVBoxLayout* frame6Layout;
    QGridLayout* tabLayout_2;

protected slots:
    virtual void languageChange();

private:
    void createEquationPage();
    void createEquationTab();
    void createGraphTab();
    void createHelpTab();
    void createLinearSystemPage();
    void createMenu();
    void makeConnections();
    void setKeyboardOrder();
    void zoomAt(int notches, QPoint position);
};
