#include "BalloonEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QtMath>
#include <algorithm>

#include "QtText.h"

namespace kiova {

TBalloonEdit::TBalloonEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    // The balloon image shows through.
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; color: black; }"));
}

std::u16string TBalloonEdit::Text() const {
    QString text = toPlainText();
    text.replace(QChar(0x2029), QLatin1Char('\n'));  // paragraph separators of pasted text
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdU16String();
}

void TBalloonEdit::SetText(std::u16string_view text) {
    QString shown = WithLineFeeds(text);
    if (shown != toPlainText()) setPlainText(shown);
    ShowEnd();
}

void TBalloonEdit::Append(std::u16string_view text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(WithLineFeeds(text));
    ShowEnd();
}

void TBalloonEdit::EraseEnd(std::u16string_view erased) {
    qsizetype units = static_cast<qsizetype>(erased.size());
    for (size_t at = erased.find(u"\r\n"); at != std::u16string_view::npos;
         at = erased.find(u"\r\n", at + 2))
        --units;  // one paragraph break in the document
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - static_cast<int>(units)), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    ShowEnd();
}

void TBalloonEdit::ShowEnd() {
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

// The plain-text layout measures its document in lines.
int TBalloonEdit::ContentHeight() const {
    const qreal lines = document()->size().height();
    return qCeil(lines * fontMetrics().lineSpacing() + 2 * document()->documentMargin());
}

void TBalloonEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TBalloonEdit::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

}  // namespace kiova
