// The main window over the real front end on Qt's offscreen platform: what the user sees of
// its geometry, menu, balloon and patting window, and that an idle window does not tick.
#include <gmock/gmock.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>
#include <functional>
#include <memory>

#include "Clock.h"
#include "CodePage.h"
#include "Files.h"
#include "FormMain.h"
#include "FrontEnd.h"
#include "ModalHelpers.h"
#include "QtText.h"
#include "QtTimerSource.h"
#include "RecordingView.h"
#include "TempFolder.h"
#include "TestCharacters.h"
#include "UiTexts.h"

namespace kiova::testing {
namespace {
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using enum TBalloonState;

constexpr char kGreeting[] = "{EQ{OPERATEMESSAGE}|KCCALLED}";
constexpr char kFarewell[] = "{EQ{OPERATEMESSAGE}|CLOSEWINDOW}";

bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < timeout_ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        // A fast balloon, a valid profile: the tests play whole answers in milliseconds.
        folder.Write("Kiova.ini",
                     "[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n"
                     "[Balloon]\r\nSpeed=1\r\n");
    }
    ~MainWindowTest() override {
        if (front_end) front_end->Shutdown();
    }

    bool Launch(const TTestCharacter& character) {
        std::string program_folder = PathText(folder.Path()) + "/";
        front_end = std::make_unique<TFrontEnd>(
            TFrontEndSetup{program_folder, program_folder + "chat.log"}, form, sound, timer);
        form.Attach(*front_end, timer);
        bool started = false;
        form.Forward([&] { started = front_end->Start(WriteCharacter(folder, character)); });
        return started;
    }
    void Start(const TTestCharacter& character) { ASSERT_TRUE(Launch(character)); }
    TBalloonState State() const { return front_end->Player().State(); }
    void WaitForAnswer() {
        ASSERT_TRUE(WaitUntil([this] { return State() != bsResponding; }));
    }
    void WritePicture(const std::string& name, QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        std::string path = folder / name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        ASSERT_TRUE(picture.save(QString::fromStdString(path), "BMP"));
    }
    std::vector<std::string> ChatLog() const {
        std::vector<std::string> lines;
        TTextFileFormat format;
        return ReadTextFileLines(PathText(folder.Path()) + "/chat.log", format);
    }

    TempFolder folder;
    TFormMain form;
    TQtTimerSource timer;
    TRecordingSound sound;
    std::unique_ptr<TFrontEnd> front_end;
};

TEST_F(MainWindowTest, WindowFollowsThePictureSize) {
    struct Case {
        QSize picture, client;
        int balloon_left;
    };
    for (const Case& c : {Case{{100, 100}, {550, 200}, 200}, Case{{300, 400}, {650, 400}, 300}}) {
        WritePicture("Alice/face.bmp", c.picture);
        Start({"Alice", {{kGreeting, "Hi"}}, {}, {{"DefaultBitmap", "face.bmp"}}});
        EXPECT_EQ(form.size(), c.client);
        EXPECT_EQ(form.PictureArea().geometry(), QRect(QPoint(0, 0), c.client - QSize(350, 0)));
        EXPECT_EQ(form.BalloonArea().geometry(), QRect(c.balloon_left, 0, 350, 200));
        EXPECT_EQ(form.Balloon().geometry(), QRect(c.balloon_left + 40, 20, 270, 160));
        EXPECT_EQ(form.PictureArea().Image().size(), c.picture);
        EXPECT_EQ(form.windowTitle(), "Alice - Kiova");
        EXPECT_TRUE(form.isVisible());
        front_end->Shutdown();
        front_end.reset();
    }
}

TEST_F(MainWindowTest, ContextMenuHasEveryItemInOrderWithShortcuts) {
    Start({"Alice", {{kGreeting, "Hi"}}, {}, {}});
    std::vector<std::string> items;
    for (QAction* action : form.MainMenu().Menu().actions())
        items.push_back(action->isSeparator()
                            ? "-"
                            : (action->text() + " " + action->shortcut().toString()).toStdString());
    EXPECT_THAT(items, ElementsAre("なでなでメニューを表示(&N) Ctrl+N", "常に前面に表示(&T) ",
                                   "デスクトップモード(&D) ", "隠す(&S) ", "設定(&P)... ",
                                   "人格の切り替え(&C)... ", "-", "ヘルプを表示する(&H) F1",
                                   "Kiova のウェブサイト(&W) ", "Kiova について(&A)... ", "-",
                                   "終了(&Q) Ctrl+Q"));

    form.MainMenu().stay_on_top->trigger();
    EXPECT_TRUE(front_end->Settings().stay_on_top);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    emit form.MainMenu().Menu().aboutToShow();
    EXPECT_TRUE(form.MainMenu().stay_on_top->isChecked());

    // Without a tray a hidden window could not come back, and without a window manager (as
    // here) nothing would minimise it: it stays, and the menu goes on offering to hide it.
    form.MainMenu().change_state->trigger();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMinimized());
    EXPECT_TRUE(form.IsWindowVisible());
    emit form.MainMenu().Menu().aboutToShow();
    EXPECT_EQ(form.MainMenu().change_state->text(), "隠す(&S)");
}

TEST_F(MainWindowTest, TypedLinesReachTheCharacterAndAnswersPlayInTheBalloon) {
    Start(
        {"Alice", {{kGreeting, "Hello"}}, {{"HELLO", "Hi{BR}there"}, {"こんにちは", "やあ"}}, {}});
    EXPECT_TRUE(form.Balloon().isReadOnly());
    WaitForAnswer();
    EXPECT_EQ(form.Balloon().toPlainText(), "Hello");
    QTest::keyClick(&form.Balloon(), Qt::Key_Return);
    ASSERT_EQ(State(), bsListening);
    EXPECT_FALSE(form.Balloon().isReadOnly());
    QTest::keyClicks(&form.Balloon(), "hello");
    QTest::keyClick(&form.Balloon(), Qt::Key_Return);
    WaitForAnswer();
    EXPECT_EQ(form.Balloon().toPlainText(), "Hi\nthere");
    EXPECT_EQ(form.BalloonText(), u"Hi\r\nthere");  // the logic sees CR LF

    QTest::keyClick(&form.Balloon(), Qt::Key_Return);
    QInputMethodEvent composed;  // Japanese arrives through the input method
    composed.setCommitString(QString::fromUtf8("こんにちは"));
    QCoreApplication::sendEvent(&form.Balloon(), &composed);
    QTest::keyClick(&form.Balloon(), Qt::Key_Return);
    WaitForAnswer();
    EXPECT_EQ(form.Balloon().toPlainText(), QString::fromUtf8("やあ"));
    EXPECT_THAT(ChatLog(),
                ElementsAre(::testing::_, "Hello", "hello", "Hi{BR}there", "こんにちは", "やあ"));
}

TEST_F(MainWindowTest, TimerSleepsOnceTheAnswerIsShown) {
    Start({"Alice", {{kGreeting, "Hello{TIMER1|alarm}"}}, {{"ALARM", "Wake"}}, {}});
    EXPECT_TRUE(timer.IsRunning());
    ASSERT_TRUE(WaitUntil([this] { return front_end->Player().TimerArmed(); }));
    EXPECT_TRUE(timer.IsRunning());  // for the deferred input
    ASSERT_TRUE(WaitUntil([this] { return form.Balloon().toPlainText() == "Wake"; }, 5000));
    WaitForAnswer();
    EXPECT_FALSE(timer.IsRunning());
}

TEST_F(MainWindowTest, PattingWindowStandsBesideTheMainWindowAndSendsActions) {
    folder.Write("Alice/pat.txt", "Head,PATHEAD\r\nCheek,PATCHEEK\r\n");
    Start({"Alice",
           {{kGreeting, "Hi"}},
           {{"PATCHEEK", "Tickles"}},
           {{"nadenade", "1"}, {"datanadenade", "pat.txt"}}});
    WaitForAnswer();
    form.MainMenu().show_patting->trigger();
    TFormNadenade& patting = form.PattingWindow();
    ASSERT_TRUE(patting.isVisible());
    EXPECT_EQ(patting.windowTitle(), "なでなでめにゅー");
    EXPECT_EQ(patting.frameGeometry().left(), form.frameGeometry().right() + 1);
    EXPECT_EQ(patting.geometry().top(), form.geometry().top());
    EXPECT_EQ(patting.geometry().height(), form.geometry().height());
    form.move(form.pos() + QPoint(30, 40));
    EXPECT_EQ(patting.frameGeometry().left(), form.frameGeometry().right() + 1);
    EXPECT_EQ(patting.geometry().top(), form.geometry().top());

    QTest::keyClick(&form.Balloon(), Qt::Key_Return);  // listening
    patting.List().setCurrentRow(1);
    QTest::keyClick(&patting.List(), Qt::Key_Return);
    WaitForAnswer();
    EXPECT_EQ(form.Balloon().toPlainText(), "Tickles");
}

TEST_F(MainWindowTest, ATrayClickOrCtrlNInThePattingWindowBringsTheMainWindowBack) {
    folder.Write("Alice/pat.txt", "Head,PATHEAD\r\n");
    Start({"Alice", {{kGreeting, "Hi"}}, {}, {{"nadenade", "1"}, {"datanadenade", "pat.txt"}}});
    form.hide();
    auto* icon = form.Tray().findChild<QSystemTrayIcon*>();
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::Trigger);  // the one click a StatusNotifierItem reports
    EXPECT_TRUE(form.IsWindowVisible());

    form.MainMenu().show_patting->trigger();
    TFormNadenade& patting = form.PattingWindow();
    patting.activateWindow();
    patting.List().setFocus();
    ASSERT_TRUE(WaitUntil([&] { return QApplication::activeWindow() == &patting; }));
    QTest::keyClick(&patting.List(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([this] { return QApplication::activeWindow() == &form; }));
}

// A termination signal or the session's end while a dialog waits for the user.
TEST_F(MainWindowTest, EndedFromOutsideTheFirstStartProfileDialogClosesAndTheStartStops) {
    folder.Write("Kiova.ini", "[Balloon]\r\nSpeed=1\r\n");  // no profile yet
    int dialogs = 0;
    WhenOpen<QDialog>([&](QDialog& dialog) {
        ++dialogs;
        EXPECT_EQ(dialog.windowTitle(), "設定");
        form.EndFromOutside();
    });
    EXPECT_FALSE(Launch({"Alice", {{kGreeting, "Hi"}}, {}, {}}));
    EXPECT_EQ(dialogs, 1);  // not asked again
    EXPECT_TRUE(front_end->Closed());
    EXPECT_EQ(front_end->Character(), nullptr);
    front_end->Shutdown();
    EXPECT_THAT(ReadFileLines(PathText(folder.Path()) + "/Kiova.ini"),
                ::testing::Contains("Speed=1"));
}

TEST_F(MainWindowTest, EndedFromOutsideADialogTheFarewellIsLoggedWithoutItsBox) {
    Start({"Alice", {{kGreeting, "Hi"}, {kFarewell, "Bye"}}, {}, {}});
    WaitForAnswer();
    WhenOpen<QDialog>([this](QDialog&) { form.EndFromOutside(); });
    form.MainMenu().change_character->trigger();
    EXPECT_TRUE(front_end->Closed());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    front_end->Shutdown();
    EXPECT_THAT(ChatLog(), ElementsAre(::testing::_, "Hi", "Bye",
                                       ::testing::HasSubstr("# End chatting with Alice")));
}

// A left-button drag from `from` by `offset`, as the window system delivers it.
void Drag(QWidget& window, QPoint from, QPoint offset) {
    const QPoint global = window.mapToGlobal(from);
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, window.mapFromGlobal(at), at, Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    };
    send(QEvent::MouseButtonPress, global, Qt::LeftButton);
    if (!offset.isNull()) {
        send(QEvent::MouseMove, global + offset / 2, Qt::LeftButton);
        send(QEvent::MouseMove, global + offset, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, global + offset, Qt::NoButton);
}

TEST_F(MainWindowTest, DesktopModeShowsTheSameConversationAndBackAgain) {
    // A red figure on a blue key colour, keyed.
    QImage picture(60, 80, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(10, 5, 40, 70, Qt::red);
    std::filesystem::create_directories(folder / "Alice");
    ASSERT_TRUE(picture.save(QString::fromStdString(folder / "Alice/face.bmp"), "BMP"));
    folder.Write("Kiova.ini",
                 "[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n"
                 "[Balloon]\r\nSpeed=1\r\n[Window]\r\nDesktopLeft=300\r\nDesktopTop=200\r\n");
    Start({"Alice",
           {{kGreeting, "Hello"}},
           {},
           {{"DefaultBitmap", "face.bmp"}, {"transparentbitmap", "1"}}});
    WaitForAnswer();
    QTest::keyClick(&form.Balloon(), Qt::Key_Return);
    QTest::keyClicks(&form.Balloon(), "half");
    const QRect classic_control = form.Balloon().geometry();

    form.MainMenu().desktop_mode->trigger();
    ASSERT_NE(form.Desktop(), nullptr);
    TDesktopCharacter& character = form.Desktop()->Character();
    TDesktopBalloon& balloon = form.Desktop()->Balloon();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(character.isVisible());
    EXPECT_TRUE(balloon.isVisible());
    EXPECT_TRUE(form.IsWindowVisible());
    EXPECT_TRUE(character.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(character.size(), QSize(60, 80));
    EXPECT_EQ(character.mask(), QRegion(10, 5, 40, 70));  // the key colour is cut away
    EXPECT_EQ(form.Balloon().parentWidget(), &balloon);
    EXPECT_EQ(form.Balloon().toPlainText(), "half");  // still typing
    EXPECT_EQ(State(), bsListening);
    EXPECT_EQ(character.pos(), QPoint(300, 200));
    EXPECT_EQ(balloon.Side(), ESide::Right);
    EXPECT_EQ(balloon.pos(), QPoint(360 + kDockGap, 200));
    emit form.MainMenu().Menu().aboutToShow();
    EXPECT_TRUE(form.MainMenu().desktop_mode->isChecked());

    // A drag moves the character and its balloon; a click stays where it is.
    const QPoint start(300, 200);
    const QPoint balloon_offset = balloon.pos() - start;
    Drag(character, QPoint(30, 40), QPoint(-50, 25));
    EXPECT_EQ(character.pos(), start + QPoint(-50, 25));
    EXPECT_EQ(balloon.pos() - character.pos(), balloon_offset);
    Drag(character, QPoint(30, 40), QPoint());
    EXPECT_EQ(character.pos(), start + QPoint(-50, 25));

    // A long answer makes the balloon taller, no taller than the screen.
    const int short_height = balloon.height();
    form.SetBalloonText(std::u16string(60, u'x') + u"\r\n" + std::u16string(40, u'y') +
                        u"\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight");
    EXPECT_GT(balloon.height(), short_height);
    EXPECT_LE(balloon.height(), character.screen()->availableGeometry().height());
    form.SetBalloonText(u"half");

    form.MainMenu().desktop_mode->trigger();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(character.isVisible());
    EXPECT_FALSE(balloon.isVisible());
    EXPECT_EQ(form.Balloon().parentWidget(), &form);
    EXPECT_EQ(form.Balloon().geometry(), classic_control);
    EXPECT_TRUE(form.Balloon().isVisible());
    QTest::keyClicks(&form.Balloon(), "way");
    QTest::keyClick(&form.Balloon(), Qt::Key_Return);
    EXPECT_THAT(ChatLog(), ::testing::Contains("halfway"));
    front_end->Shutdown();
    EXPECT_NE(folder.Read("Kiova.ini").find("DesktopLeft=250"), std::string::npos);
}

TEST_F(MainWindowTest, DesktopCharacterWithNothingToShowKeepsAHandle) {
    folder.Write("Kiova.ini",
                 "[User]\r\nUser=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n"
                 "[Window]\r\nDesktopMode=1\r\nDesktopLeft=junk\r\nDesktopTop=5\r\n");
    folder.Write("Alice/face.bmp", "no bitmap");
    Start({"Alice", {{kGreeting, "Hi"}}, {}, {{"DefaultBitmap", "face.bmp"}}});
    ASSERT_NE(form.Desktop(), nullptr);
    TDesktopCharacter& character = form.Desktop()->Character();
    EXPECT_TRUE(character.Shape().handle);
    EXPECT_EQ(character.mask(), QRegion(0, 0, kHandleSide, kHandleSide));
    const QRect screen = character.screen()->availableGeometry();
    EXPECT_EQ(character.geometry().bottomRight(), screen.bottomRight());
    QImage shown = character.grab().toImage();
    EXPECT_NE(shown.pixel(kHandleSide / 2, kHandleSide / 2),
              character.palette().color(QPalette::Window).rgb());
}

}  // namespace
}  // namespace kiova::testing
