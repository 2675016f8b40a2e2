#pragma once

class QAbstractButton;
class QTableWidget;

// Return or Enter on the focused button clicks it, as Space does.
void clickOnReturn(QAbstractButton* button);

// Ctrl+Return or Ctrl+Enter anywhere in the table clicks the button; the text of a cell
// being edited counts as typed so far. Return alone ends the edit of a cell, as always.
void clickOnCtrlReturn(QTableWidget* table, QAbstractButton* button);
