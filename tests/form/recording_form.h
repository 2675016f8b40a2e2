#pragma once

#include <QStringList>

#include "form/window/form1.h"

// A main window whose slots record each call as "Name(arguments)". The two page-switching
// slots record and then do their real work.
class RecordingForm : public Form1 {
public:
    QStringList calls;

    void DeltaSlot(int n) override { record("DeltaSlot", n); }
    void MitteSlot(int n) override { record("MitteSlot", n); }
    void BeispielSlot() override { calls << "BeispielSlot()"; }
    void istGleichSlot() override { calls << "istGleichSlot()"; }
    void ZeichnenSlot() override { calls << "ZeichnenSlot()"; }
    void clearEingabeSlot() override { calls << "clearEingabeSlot()"; }
    void clearAusgabeSlot() override { calls << "clearAusgabeSlot()"; }
    void VergroessernSlot() override { calls << "VergroessernSlot()"; }
    void VerkleinernSlot() override { calls << "VerkleinernSlot()"; }
    void NormalSlot() override { calls << "NormalSlot()"; }
    void TabWidgetSlot(QWidget* pTW) override {
        calls << QStringLiteral("TabWidgetSlot(%1)").arg(pTW ? pTW->objectName() : "null");
    }
    void BeispielGleichungen() override { calls << "BeispielGleichungen()"; }
    void yL_yRSlot(bool b) override { calls << (b ? "yL_yRSlot(true)" : "yL_yRSlot(false)"); }
    void xOffset_scrollBarSlot(int x) override { record("xOffset_scrollBarSlot", x); }
    void yOffset_scrollBarSlot(int y) override { record("yOffset_scrollBarSlot", y); }
    void yKleiner_pressedSlot() override { calls << "yKleiner_pressedSlot()"; }
    void yKleiner_releasedSlot() override { calls << "yKleiner_releasedSlot()"; }
    void yGroesser_pressedSlot() override { calls << "yGroesser_pressedSlot()"; }
    void yGroesser_releasedSlot() override { calls << "yGroesser_releasedSlot()"; }
    void menuGleichungenX_Slot() override {
        calls << "menuGleichungenX_Slot()";
        Form1::menuGleichungenX_Slot();
    }
    void menuGleichungenXYZ_Slot() override {
        calls << "menuGleichungenXYZ_Slot()";
        Form1::menuGleichungenXYZ_Slot();
    }
    void istGleichXYZ_Slot() override { calls << "istGleichXYZ_Slot()"; }
    void clearTabeleXYZ_Slot() override { calls << "clearTabeleXYZ_Slot()"; }
    void clearListBoxXYZ_Slot() override { calls << "clearListBoxXYZ_Slot()"; }
    void BeispieleXYZ_Slot() override { calls << "BeispieleXYZ_Slot()"; }
    void SchrittweiteSlot(int s) override { record("SchrittweiteSlot", s); }

private:
    void record(const char* slot, int value) {
        calls << QStringLiteral("%1(%2)").arg(QLatin1String(slot)).arg(value);
    }
};
