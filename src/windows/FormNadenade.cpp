#include "FormNadenade.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "Accessibility.h"
#include "QtText.h"
#include "UiTexts.h"

namespace kiova {
namespace {
constexpr QKeyCombination kFocusMainKey(Qt::ControlModifier, Qt::Key_N);
}  // namespace

TFormNadenade::TFormNadenade(QWidget* main_window)
    : QWidget(main_window, Qt::Tool), main_window_(*main_window), list_(this), menu_(this) {
    // Hidden until asked for: a child window not hidden explicitly would show with its parent.
    hide();
    setWindowTitle(ToQString(kPattingCaption));
    resize(133, 227);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&list_);
    Describe(list_, kA11yPattingList, kA11yPattingListHelp);

    connect(&list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit actionChosen(list_.row(item)); });
    list_.installEventFilter(this);

    QAction* focus_main = menu_.addAction(ToQString(kPattingMenuFocusMain));
    focus_main->setShortcut(QKeySequence(kFocusMainKey));
    menu_.addSeparator();
    QAction* hide_self = menu_.addAction(ToQString(kPattingMenuHide));
    hide_self->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addAction(focus_main);
    addAction(hide_self);
    connect(focus_main, &QAction::triggered, this, &TFormNadenade::mainWindowWanted);
    connect(hide_self, &QAction::triggered, this, &QWidget::hide);
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list_, &QWidget::customContextMenuRequested, this,
            [this](QPoint position) { menu_.popup(list_.viewport()->mapToGlobal(position)); });
}

void TFormNadenade::SetCaptions(const std::vector<std::u16string>& captions) {
    list_.clear();
    for (const std::u16string& caption : captions) list_.addItem(ToQString(caption));
}

// setGeometry places the inside of the window, where move() would place its frame. Its own
// frame is known once it has been shown; until then the main window's stands for it.
void TFormNadenade::PlaceBesideMainWindow() {
    const QWidget& framed = isVisible() ? static_cast<const QWidget&>(*this) : main_window_;
    const int frame_left = framed.geometry().left() - framed.frameGeometry().left();
    setGeometry(main_window_.frameGeometry().right() + 1 + frame_left,
                main_window_.geometry().top(), width(), height());
}

void TFormNadenade::FitHeightToMainWindow() {
    resize(width(), main_window_.height());
}

bool TFormNadenade::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &list_) return QWidget::eventFilter(watched, event);
    // Ctrl+N is also the main menu's shortcut, which Qt keeps active in a tool window of the
    // main window: as a shortcut it would be ambiguous and do nothing, so it is taken here as
    // a key.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() == kFocusMainKey) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key_event = static_cast<QKeyEvent*>(event);
        if (key_event->keyCombination() == kFocusMainKey) {
            emit mainWindowWanted();
            return true;
        }
        int key = key_event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list_.currentRow() >= 0) {
            emit actionChosen(list_.currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kiova
