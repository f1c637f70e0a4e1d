// The about dialog: the program page and the character page, flipped by one button and built
// anew each time from the model, with the page's address as a link.
#include "FormAbout.h"

#include <QDesktopServices>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>

#include "AboutPages.h"
#include "Accessibility.h"
#include "FrontEnd.h"
#include "QtText.h"
#include "UiTexts.h"
#include "WindowManager.h"

namespace kiova {
namespace {

// A web address drawn as a link: blue, underlined, a hand cursor; a click opens it with the
// desktop's opener, and an empty address does nothing.
class TAddressLabel final : public QLabel {
public:
    explicit TAddressLabel(QWidget* parent) : QLabel(parent) {
        setCursor(Qt::PointingHandCursor);
        setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
        setTextFormat(Qt::PlainText);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && !text().isEmpty())
            QDesktopServices::openUrl(QUrl::fromUserInput(text()));
    }
};

class TFormAbout final : public QDialog {
public:
    TFormAbout(QWidget* parent, TFrontEnd& front_end);

private:
    void ShowPage(EAboutPage page);

    TFrontEnd& front_end_;
    EAboutPage page_ = EAboutPage::Program;
    QPlainTextEdit* memo_title_;
    TAddressLabel* static_url_;
    QPushButton* button_change_;
};

TFormAbout::TFormAbout(QWidget* parent, TFrontEnd& front_end)
    : QDialog(parent, kDialogWindowFlags),
      front_end_(front_end),
      memo_title_(new QPlainTextEdit(this)),
      static_url_(new TAddressLabel(this)),
      button_change_(new QPushButton(this)) {
    UseDialogFrame(*this);
    memo_title_->setObjectName(QStringLiteral("MemoTitle"));
    static_url_->setObjectName(QStringLiteral("StaticURL"));
    button_change_->setObjectName(QStringLiteral("ButtonChange"));
    memo_title_->setReadOnly(true);
    memo_title_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_title_->setMinimumSize(305, 105);
    auto* button_ok = new QPushButton(ToQString(kButtonOk), this);
    button_ok->setObjectName(QStringLiteral("ButtonOK"));
    button_ok->setDefault(true);
    connect(button_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(button_change_, &QPushButton::clicked, this,
            [this] { ShowPage(OtherAboutPage(page_)); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_change_);
    buttons->addStretch();
    buttons->addWidget(button_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_title_);
    layout->addWidget(static_url_);
    layout->addLayout(buttons);
    ShowPage(EAboutPage::Program);
    button_ok->setFocus();
    DescribeControls(*this, {{"MemoTitle", kA11yAboutText, kA11yAboutTextHelp},
                             {"StaticURL", kA11yAddress, kA11yAddressHelp},
                             {"ButtonChange", {}, kA11yAboutSwitch},
                             {"ButtonOK", {}, kA11yClose}});
}

void TFormAbout::ShowPage(EAboutPage page) {
    page_ = page;
    TAboutPage shown = BuildAboutPage(page, front_end_.Character());
    setWindowTitle(ToQString(shown.caption));
    button_change_->setText(ToQString(shown.button));
    memo_title_->setPlainText(WithLineFeeds(shown.text));
    static_url_->setText(ToQString(shown.address));
}

}  // namespace

void RunAboutDialog(QWidget* parent, TFrontEnd& front_end) {
    TFormAbout dialog(parent, front_end);
    dialog.exec();
}

}  // namespace kiova
