#include "FormMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <exception>

#include "Accessibility.h"
#include "Compositor.h"
#include "FontFallback.h"
#include "FormAbout.h"
#include "FormConfig.h"
#include "FormSelect.h"
#include "FrontEnd.h"
#include "ModalWindows.h"
#include "ProgramIcon.h"
#include "QtText.h"
#include "QtTimerSource.h"
#include "SkipTaskbar.h"
#include "UiTexts.h"
#include "WindowManager.h"

namespace kiova {
namespace {
constexpr QRect kBalloonControl(0, 20, 270, 160);  // left follows the layout
}  // namespace

TFormMain::TFormMain()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      picture_area_(this),
      balloon_area_(this),
      balloon_edit_(this),
      menu_(this),
      tray_(ProgramIcon(), this),
      patting_(this) {
    setWindowTitle(ToQString(kApplicationTitle));
    setWindowIcon(ProgramIcon());
    SetLayout(LayoutForPicture(QSize()));
    balloon_edit_.raise();
    // A screen reader reads the balloon's answer from the edit control's text.
    Describe(balloon_edit_, kA11yBalloon, kA11yBalloonHelp);
    Describe(picture_area_, kA11yPicture, kA11yMenuHelp);
    Describe(balloon_area_, kA11yBalloonFrame, kA11yMenuHelp);
    window_id_ = static_cast<std::uintptr_t>(winId());
}

// The edit control is a member: the desktop balloon must not delete it with its children.
TFormMain::~TFormMain() {
    if (desktop_mode_) balloon_edit_.setParent(this);
}

void TFormMain::Attach(TFrontEnd& front_end, TQtTimerSource& timer) {
    front_end_ = &front_end;
    timer_ = &timer;
    timer.SetSchedule([this] { return front_end_->NextTickDelay(); });
    ConnectMenu();
    connect(&balloon_edit_, &TBalloonEdit::enterPressed, this,
            [this] { Forward([this] { front_end_->Enter(); }); });
    for (auto* area : {&picture_area_, &balloon_area_})
        connect(area, &TImageArea::contextMenuWanted, this, &TFormMain::OpenMenu);
    connect(&balloon_edit_, &TBalloonEdit::contextMenuWanted, this, &TFormMain::OpenMenu);
    connect(&tray_, &TTrayIcon::clicked, this, [this] {
        if (!IsWindowVisible()) ShowWindow();
    });
    connect(&tray_, &TTrayIcon::menuWanted, this, &TFormMain::OpenTrayMenu);
    connect(&patting_, &TFormNadenade::actionChosen, this, [this](int index) {
        Forward([this, index] { front_end_->ChoosePattingAction(static_cast<size_t>(index)); });
    });
    connect(&patting_, &TFormNadenade::mainWindowWanted, this, &TFormMain::ShowAndActivate);
}

void TFormMain::ConnectMenu() {
    // A plain function rather than a member-function pointer: GCC's undefined-behaviour
    // sanitizer misreads the object of a member-function pointer captured in a lambda.
    auto on = [this](QAction* action, void (*run)(TFrontEnd&)) {
        connect(action, &QAction::triggered, this,
                [this, run] { Forward([this, run] { run(*front_end_); }); });
    };
    on(menu_.show_patting, [](TFrontEnd& f) { f.ShowPattingWindow(); });
    on(menu_.stay_on_top, [](TFrontEnd& f) { f.ToggleStayOnTop(); });
    on(menu_.desktop_mode, [](TFrontEnd& f) { f.ToggleDesktopMode(); });
    on(menu_.change_state, [](TFrontEnd& f) { f.ToggleVisibility(); });
    on(menu_.configure, [](TFrontEnd& f) { f.ShowSettingsDialog(); });
    on(menu_.change_character, [](TFrontEnd& f) { f.ChangeCharacter(); });
    on(menu_.help, [](TFrontEnd& f) { f.ShowHelp(); });
    on(menu_.web_site, [](TFrontEnd& f) { f.ShowWebSite(); });
    on(menu_.about, [](TFrontEnd& f) { f.ShowAboutDialog(); });
    connect(menu_.quit, &QAction::triggered, this, &QWidget::close);
    connect(&menu_.Menu(), &QMenu::aboutToShow, this, [this] {
        menu_.stay_on_top->setChecked(front_end_->Settings().stay_on_top);
        menu_.desktop_mode->setChecked(front_end_->Settings().desktop_mode);
        menu_.SetWindowShown(IsWindowVisible());
    });
}

void TFormMain::Forward(const std::function<void()>& event) {
    front_end_->Handle(event);
    timer_->Reschedule();
}

void TFormMain::EndFromOutside() {
    CloseModalWindows();
    Forward([this] { front_end_->Close(false); });
    QuitApplication();
}

void TFormMain::OpenMenu(QPoint global_position) {
    if (front_end_) menu_.Menu().popup(global_position);
}

void TFormMain::OpenTrayMenu(QPoint global_position) {
    if (!front_end_ || !front_end_->TrayMenuAvailable()) return;
    ShowAndActivate();
    OpenMenu(global_position);
}

void TFormMain::SetBalloonReadOnly(bool read_only) {
    balloon_edit_.setReadOnly(read_only);
    // What an answer writes is no typing to undo, and would keep one step per letter.
    balloon_edit_.setUndoRedoEnabled(!read_only);
    if (!read_only) balloon_edit_.setFocus();
}

void TFormMain::SetBalloonFont(std::u16string_view name, int point_size) {
    balloon_edit_.setFont(BalloonFont(ToQString(name), point_size));
}

void TFormMain::ShowPicture(const QImage& picture) {
    picture_area_.SetImage(picture);
    if (desktop_mode_) desktop_->SetPicture(picture);
}

void TFormMain::SetLayout(const TLayout& layout) {
    layout_ = layout;
    picture_area_.setGeometry(QRect(QPoint(0, 0), layout.picture_area));
    balloon_area_.setGeometry(layout.balloon_left, 0, kBalloonWidth, kBalloonHeight);
    if (!desktop_mode_) PlaceBalloonControl();
    setFixedSize(layout.client);
}

void TFormMain::PlaceBalloonControl() {
    balloon_edit_.setGeometry(kBalloonControl.translated(layout_.balloon_control_left, 0));
}

QRgb TFormMain::BackgroundColor() const {
    return palette().color(QPalette::Window).rgb();
}

void TFormMain::SetCaption(std::u16string_view caption) {
    setWindowTitle(ToQString(caption));
    if (desktop_) {
        desktop_->Character().setWindowTitle(windowTitle());
        desktop_->Balloon().setWindowTitle(windowTitle());
    }
}

void TFormMain::SetTrayTip(std::u16string_view tip) {
    tray_.SetTip(ToQString(tip));
}

bool TFormMain::IsWindowVisible() const {
    if (desktop_mode_) return desktop_->IsVisible();
    return isVisible() && !isMinimized();
}

void TFormMain::ShowWindow() {
    if (desktop_mode_)
        desktop_->Show();
    else if (isMinimized())
        showNormal();
    else
        show();
}

// Without a tray there would be no way back to a hidden window: it is minimised instead, and
// the desktop character, which has no taskbar button to come back from, stays. Without a window
// manager too nothing would minimise it: it stays, and so does the menu's caption.
void TFormMain::HideWindow() {
    if (desktop_mode_) {
        if (tray_.IsShown()) desktop_->Hide();
    } else if (tray_.IsShown()) {
        hide();
    } else if (isVisible() && WindowManagerRunning()) {
        showMinimized();
    }
}

void TFormMain::ShowAndActivate() {
    if (desktop_mode_) return desktop_->Activate();
    ShowWindow();
    raise();
    activateWindow();
}

// Changing a window's flags hides it; it comes back where it was.
void TFormMain::SetStayOnTop(bool on_top) {
    stay_on_top_ = on_top;
    if (desktop_) desktop_->SetStayOnTop(on_top);
    bool was_visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (was_visible) show();
    bool patting_visible = patting_.isVisible();
    patting_.setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (patting_visible) {
        patting_.show();
        patting_.raise();
    }
}

// A stored position on a monitor that is no longer there centres the window.
void TFormMain::MoveWindow(QPoint top_left) {
    if (QGuiApplication::screenAt(top_left) == nullptr) {
        CenterWindow();
        return;
    }
    move(top_left);
}

void TFormMain::CenterWindow() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = frameGeometry();
    move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

// All monitors together: a position on a second monitor is inside it.
QSize TFormMain::ScreenSize() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualSize() : QSize();
}

// The edit control moves between the layouts with its text, caret and read-only state, so the
// conversation goes on where it was.
void TFormMain::SetDesktopMode(bool on) {
    if (on == desktop_mode_) return;
    const bool shown = IsWindowVisible();
    if (on) {
        TDesktopLayout& desktop = MakeDesktop();
        hide();
        desktop_mode_ = true;
        desktop.AdoptEdit();
        desktop.SetPicture(picture_area_.Image());
        desktop.Place(desktop_place_);
    } else {
        desktop_place_ = desktop_->Position();
        desktop_->Hide();
        desktop_mode_ = false;
        balloon_edit_.setParent(this);
        PlaceBalloonControl();
        balloon_edit_.show();
    }
    if (shown) ShowAndActivate();
    if (!balloon_edit_.isReadOnly()) balloon_edit_.setFocus();
    FitPattingWindow();
}

TDesktopLayout& TFormMain::MakeDesktop() {
    if (desktop_) return *desktop_;
    desktop_ = std::make_unique<TDesktopLayout>(balloon_edit_, patting_, CompositorRunning());
    for (QWidget* window : {static_cast<QWidget*>(&desktop_->Character()),
                            static_cast<QWidget*>(&desktop_->Balloon())}) {
        // The menu's shortcuts work in whichever window has the keys.
        window->addActions(menu_.Menu().actions());
        window->setWindowTitle(windowTitle());
        window->setWindowIcon(windowIcon());
    }
    Describe(desktop_->Character(), kA11yPicture, kA11yDesktopCharacterHelp);
    Describe(desktop_->Balloon(), kA11yBalloonFrame, kA11yMenuHelp);
    connect(&desktop_->Character(), &TDesktopCharacter::contextMenuWanted, this,
            &TFormMain::OpenMenu);
    connect(&desktop_->Balloon(), &TDesktopBalloon::contextMenuWanted, this, &TFormMain::OpenMenu);
    connect(&desktop_->Character(), &TDesktopCharacter::clicked, this, &TFormMain::ShowAndActivate);
    desktop_->SetStayOnTop(stay_on_top_);
    return *desktop_;
}

void TFormMain::PlaceDesktopCharacter(std::optional<QPoint> top_left) {
    desktop_place_ = top_left;
    if (desktop_mode_) desktop_->Place(top_left);
}

std::optional<QPoint> TFormMain::DesktopPosition() const {
    return desktop_mode_ ? std::optional(desktop_->Position()) : desktop_place_;
}

void TFormMain::QuitApplication() {
    QCoreApplication::quit();
}

void TFormMain::SetPattingCaptions(const std::vector<std::u16string>& captions) {
    patting_.SetCaptions(captions);
}

// Placed before it shows, so that it is mapped where it belongs.
void TFormMain::ShowPattingWindow() {
    FitPattingWindow();
    patting_.show();
    patting_.raise();
}

void TFormMain::FitPattingWindow() {
    if (desktop_mode_) return desktop_->DockPatting();
    patting_.PlaceBesideMainWindow();
    patting_.FitHeightToMainWindow();
}

bool TFormMain::OpenAddress(std::u16string_view address) {
    if (address.empty()) return false;
    return QDesktopServices::openUrl(QUrl::fromUserInput(ToQString(address)));
}

void TFormMain::ShowMessage(std::u16string_view text) {
    QMessageBox::information(DialogParent(), ToQString(kApplicationTitle), WithLineFeeds(text));
}

void TFormMain::RunSelectionDialog(TCharacterSelection& selection) {
    RunSelectDialog(DialogParent(), selection);
}

void TFormMain::RunSettingsDialog() {
    RunConfigDialog(DialogParent(), *front_end_);
}

QWidget* TFormMain::DialogParent() {
    if (!IsWindowVisible()) return nullptr;
    return desktop_mode_ ? static_cast<QWidget*>(&desktop_->Character()) : this;
}

void TFormMain::RunAboutDialog() {
    kiova::RunAboutDialog(this, *front_end_);
}

void TFormMain::ShowSplash(std::u16string_view text) {
    splash_.ShowText(ToQString(text));
}

void TFormMain::SetSplashText(std::u16string_view text) {
    splash_.SetText(ToQString(text));
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (front_end_) Forward([this] { front_end_->Close(); });
    event->accept();
    QCoreApplication::quit();
}

void TFormMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    patting_.PlaceBesideMainWindow();
}

// Sent before the window is mapped, so the state reaches the window manager with the map.
void TFormMain::showEvent(QShowEvent* event) {
    SkipTaskbar(*this);
    QWidget::showEvent(event);
    menu_.SetWindowShown(true);
}

void TFormMain::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    menu_.SetWindowShown(false);
}

void TFormMain::contextMenuEvent(QContextMenuEvent* event) {
    OpenMenu(event->globalPos());
}

}  // namespace kiova
