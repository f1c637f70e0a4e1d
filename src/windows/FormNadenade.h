// TFormNadenade: the patting window, a tool window standing to the right of the main window
// with the character's patting actions. Double click or Enter on an action chooses it; its
// context menu brings the main window back or hides the patting window.
#pragma once

#include <QListWidget>
#include <QMenu>
#include <QWidget>
#include <string>
#include <vector>

namespace kiova {

class TFormNadenade final : public QWidget {
    Q_OBJECT
public:
    explicit TFormNadenade(QWidget* main_window);

    void SetCaptions(const std::vector<std::u16string>& captions);
    QListWidget& List() { return list_; }
    QMenu& ContextMenu() { return menu_; }
    // To the right of the main window's frame, the tops of the two windows' insides level. The
    // insides, not the frames: the window manager may frame the two differently, and this one's
    // frame is unknown until it has been shown.
    void PlaceBesideMainWindow();
    // Inside as tall as the main window's inside.
    void FitHeightToMainWindow();

signals:
    void actionChosen(int index);
    void mainWindowWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& main_window_;
    QListWidget list_;
    QMenu menu_;
};

}  // namespace kiova
