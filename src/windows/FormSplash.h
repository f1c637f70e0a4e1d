// TFormSplash: the small borderless window that stands in the middle of the screen, above
// everything, while a character loads. Its one line of text is repainted at once, because the
// loading goes on without the event loop.
#pragma once

#include <QLabel>
#include <QWidget>

namespace kiova {

class TFormSplash final : public QWidget {
public:
    TFormSplash();

    void ShowText(const QString& text);
    void SetText(const QString& text);
    QString Text() const { return label_.text(); }

private:
    QLabel label_;
};

}  // namespace kiova
