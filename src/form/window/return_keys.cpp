#include "form/window/return_keys.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QShortcut>
#include <QTableWidget>

namespace {

bool isReturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

class ReturnClicks : public QObject {
public:
    explicit ReturnClicks(QAbstractButton* button) : QObject(button), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != button_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plain || !isReturn(key->key()) || key->isAutoRepeat()) {
            return false;
        }
        button_->click();
        return true;
    }

private:
    QAbstractButton* button_;
};

} // namespace

void clickOnReturn(QAbstractButton* button) {
    button->installEventFilter(new ReturnClicks(button));
}

void clickOnCtrlReturn(QTableWidget* table, QAbstractButton* button) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), table);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [table, button] {
            const QModelIndex cell = table->currentIndex();
            if (QWidget* editor = table->indexWidget(cell)) {
                table->itemDelegateForIndex(cell)->setModelData(editor, table->model(), cell);
            }
            button->click();
        });
    }
}
