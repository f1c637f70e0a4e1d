// TBalloonEdit: the edit control lying on the balloon image. It has no border or background
// of its own, hands Enter to its owner instead of breaking the line, and speaks CR LF: text
// goes in and comes out with CR LF line breaks whatever the control keeps inside.
#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace kiova {

class TBalloonEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TBalloonEdit(QWidget* parent);

    std::u16string Text() const;
    // Replaces the text and puts the caret at its end, scrolled into view.
    void SetText(std::u16string_view text);
    // Adds `text` at the end, laying out only the last paragraph, and puts the caret after it.
    void Append(std::u16string_view text);
    // Takes back `erased`, the end of the text.
    void EraseEnd(std::u16string_view erased);
    // The height the text needs at the control's width, in pixels.
    int ContentHeight() const;

signals:
    void enterPressed();
    void contextMenuWanted(QPoint global_position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ShowEnd();
};

}  // namespace kiova
