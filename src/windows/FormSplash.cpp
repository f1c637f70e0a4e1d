#include "FormSplash.h"

#include <QGuiApplication>
#include <QScreen>

namespace kiova {

TFormSplash::TFormSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(this) {
    setFixedSize(200, 100);
    setCursor(Qt::WaitCursor);
    label_.move(24, 40);
    label_.resize(width() - 24, label_.sizeHint().height());
}

void TFormSplash::ShowText(const QString& text) {
    SetText(text);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
}

void TFormSplash::SetText(const QString& text) {
    label_.setText(text);
    label_.resize(width() - 24, label_.sizeHint().height());
    label_.repaint();
}

}  // namespace kiova
