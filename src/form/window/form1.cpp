#include "form/window/form1.h"
#include "form/graph/graph_state.h"

#include <QAction>
#include <QGridLayout>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>

#include "form/window/export_actions.h"
#include "form/window/session_menu.h"
#include "form/window/widget_setup.h"

Form1::Form1(QWidget* parent, const char* name, Qt::WindowFlags fl) : QMainWindow(parent, fl) {
    statusBar(); // creates the status bar, which stays empty
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("Form1"));
    setMinimumSize(324, 544);
    setMouseTracking(false);
    setWindowIcon(QIcon(QStringLiteral(":/icons/quintabor.svg")));

    auto* central = new QWidget(this);
    central->setObjectName("qt_central_widget");
    // An opaque central widget keeps label and cursor updates from repainting the window.
    central->setAutoFillBackground(true);
    setCentralWidget(central);
    Form1Layout = new QGridLayout(central);
    Form1Layout->setObjectName("Form1Layout");
    Form1Layout->setContentsMargins(11, 11, 11, 11);
    Form1Layout->setSpacing(6);

    widgetStack = new QStackedWidget(central);
    widgetStack->setObjectName("widgetStack");
    widgetStack->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    createEquationPage();
    createLinearSystemPage();
    // Below the size the pages need, they scroll instead of squeezing their labels.
    auto* pages = new QScrollArea(central);
    pages->setObjectName("pages_scrollArea");
    pages->setFrameShape(QFrame::NoFrame);
    pages->setWidgetResizable(true);
    pages->setFocusPolicy(Qt::NoFocus);
    pages->setWidget(widgetStack);
    Form1Layout->addWidget(pages, 0, 0);

    createMenu();
    new ExportActions(this);
    languageChange();
    resize(QSize(990, 544).expandedTo(minimumSizeHint()));
    makeConnections();
    setKeyboardOrder();
}

// The timers die with the window; their ids must not reach a later window.
Form1::~Form1() {
    normalTimer = -1;
    KleinerGroesserTimer = -1;
}

void Form1::createMenu() {
    menuGleichnungenX_Action = new QAction(this);
    menuGleichnungenX_Action->setObjectName("menuGleichnungenX_Action");
    menuGleichungenXYZ_Action = new QAction(this);
    menuGleichungenXYZ_Action->setObjectName("menuGleichungenXYZ_Action");

    MenuBarEditor = menuBar();
    MenuBarEditor->setObjectName("MenuBarEditor");
    widget_setup::setFont(MenuBarEditor, "Adobe Courier", 15, true);
    MenuBarEditor->addSeparator();

    PopupMenu = new QMenu(this);
    PopupMenu->addSeparator();
    PopupMenu->addSeparator();
    PopupMenu->addAction(menuGleichnungenX_Action);
    PopupMenu->addAction(menuGleichungenXYZ_Action);
    MenuBarEditor->addMenu(PopupMenu);
    addSessionMenu(*this);

    // F10 opens the menu, as on the desktops; the menu itself has no mnemonic.
    auto* openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    openMenu->setObjectName("menu_shortcut");
    connect(openMenu, &QShortcut::activated, this,
            [this] { MenuBarEditor->setActiveAction(PopupMenu->menuAction()); });
}

void Form1::newFunction() {}

void Form1::menuGleichungenX_Slot() {
    widgetStack->setCurrentIndex(0);
}

void Form1::menuGleichungenXYZ_Slot() {
    widgetStack->setCurrentIndex(1);
}
