// The Tips window from the frame's Tips... and the chart window's Help.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <utility>

#include <sys/stat.h>

#include "app/frame_window.h"
#include "app/rtf_reader.h"
#include "app/tips_window.h"
#include "chart/chart_window.h"
#include "testing/scripted_message_boxes.h"

namespace calorix {
namespace {

class TipsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath("tips.rtf");
        frame_ = std::make_unique<FrameWindow>(messages_, path_);
        frame_->show();
        frame_->OpenChartWindow();
    }

    void WriteTips(const QByteArray& rtf) {
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(rtf);
    }

    // Chooses Tips... of the frame's Info menu; `whileOpen` runs while the
    // modal window is up, and the window is then closed with its button.
    void ChooseTipsMenu(const std::function<void()>& whileOpen) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            whileOpen();
            frame_->Tips().CloseButton().click();
        });
        frame_->findChild<QAction*>("mnuTips")->trigger();
        EXPECT_TRUE(ran) << "the window was shown modal";
    }

    void ChooseHelp() { frame_->Chart()->findChild<QAction*>("mnuForm1Tips")->trigger(); }

    QString Shown() { return frame_->Tips().Text().toPlainText(); }

    QTemporaryDir dir_;
    QString path_;
    ScriptedMessageBoxes messages_;
    std::unique_ptr<FrameWindow> frame_;
};

TEST_F(TipsTest, TipsMenuShowsTheFileModalAndReadsItAgainEachTime) {
    WriteTips("{\\rtf1 First tip.}");
    ChooseTipsMenu([this] {
        EXPECT_EQ(QApplication::activeModalWidget(), &frame_->Tips());
        EXPECT_EQ(frame_->Tips().objectName(), "Form2");
        EXPECT_EQ(frame_->Tips().windowTitle(), "Tips");
        EXPECT_EQ(Shown(), "First tip.");
        EXPECT_TRUE(frame_->Tips().Text().isReadOnly());
    });
    EXPECT_FALSE(frame_->Tips().isVisible());
    WriteTips("{\\rtf1 Second tip.}");
    ChooseTipsMenu([this] { EXPECT_EQ(Shown(), "Second tip."); });
}

// A tips file that cannot be read: both menus show the window, whose text
// names the file and says why, in plain words, and no message box.
TEST_F(TipsTest, BothMenusSayWhichFileCouldNotBeReadAndWhy) {
    QByteArray oversized = "{\\rtf1 x";
    oversized.append(kMaxRtfFileBytes + 1 - oversized.size(), 'x');
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] {}, "there is no such file."},
        {[this] { WriteTips(""); }, "it is empty."},
        {[this] { WriteTips("Just plain text."); }, "it is not a rich-text (RTF) file."},
        {[this, &oversized] { WriteTips(oversized); }, "it is larger than 4 MiB."},
        {[this] {
             QFile::remove(path_);
             ASSERT_TRUE(QDir().mkdir(path_));
         },
         "it is not a regular file."},
    };
    for (const auto& [make, reason] : cases) {
        make();
        const QString expected = "The tips could not be read from the file\n" +
                                 QDir::toNativeSeparators(path_) + "\nbecause " + reason;
        ChooseTipsMenu([&] { EXPECT_EQ(Shown(), expected); });
        ChooseHelp();
        EXPECT_TRUE(frame_->Tips().isVisible()) << reason;
        EXPECT_EQ(Shown(), expected);
        frame_->Tips().CloseButton().click();
    }
    EXPECT_TRUE(messages_.Calls().empty());
}

// A named pipe without a writer would block an ordinary open forever.
TEST_F(TipsTest, ANamedPipeIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    ChooseHelp();
    EXPECT_TRUE(Shown().endsWith("because it is not a regular file.")) << Shown().toStdString();
    frame_->Tips().CloseButton().click();
    ChooseTipsMenu([this] { EXPECT_TRUE(Shown().endsWith("not a regular file.")); });
}

// A file just read is not read into the window again while its bytes are the
// same; any change of them is, even one that keeps size and time.
TEST_F(TipsTest, AnUnchangedFileIsNotReadAgain) {
    WriteTips("{\\rtf1 Tip one.}");
    ChooseHelp();
    ASSERT_EQ(Shown(), "Tip one.");
    const int revision = frame_->Tips().Text().document()->revision();
    ChooseHelp();
    frame_->Tips().CloseButton().click();
    ChooseTipsMenu([this] { EXPECT_EQ(Shown(), "Tip one."); });
    EXPECT_EQ(frame_->Tips().Text().document()->revision(), revision);

    const QDateTime written = QFileInfo(path_).lastModified();
    WriteTips("{\\rtf1 Tip two.}");
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    file.close();
    ChooseHelp();
    EXPECT_EQ(Shown(), "Tip two.");

    // After a failure the same good file is read again.
    QFile::remove(path_);
    ChooseHelp();
    WriteTips("{\\rtf1 Tip two.}");
    ChooseHelp();
    EXPECT_EQ(Shown(), "Tip two.");
}

TEST_F(TipsTest, HelpShowsTheWindowWithoutModality) {
    WriteTips("{\\rtf1 {\\b Bold} tip.}");
    ChooseHelp();
    EXPECT_TRUE(frame_->Tips().isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Shown(), "Bold tip.");
    // Tips... while it is open reads the file again; the window stays modeless.
    WriteTips("{\\rtf1 Newer tip.}");
    frame_->findChild<QAction*>("mnuTips")->trigger();
    EXPECT_TRUE(frame_->Tips().isVisible());
    EXPECT_EQ(Shown(), "Newer tip.");
    // Esc presses Close, which only hides it.
    QTest::keyClick(&frame_->Tips(), Qt::Key_Escape);
    EXPECT_FALSE(frame_->Tips().isVisible());
}

TEST_F(TipsTest, TheWindowReopensWhereItWasLeft) {
    WriteTips("{\\rtf1 Tip.}");
    ChooseHelp();
    frame_->Tips().move(123, 87);
    const QPoint place = frame_->Tips().pos();
    frame_->Tips().CloseButton().click();
    ChooseHelp();
    EXPECT_EQ(frame_->Tips().pos(), place);
}

TEST_F(TipsTest, TheShippedTipsFileReads) {
    QFile shipped(CALORIX_TIPS_FILE);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    WriteTips(shipped.readAll());
    ChooseHelp();
    EXPECT_TRUE(Shown().contains("Enter")) << Shown().toStdString();
    EXPECT_TRUE(Shown().contains("Esc"));
}

}  // namespace
}  // namespace calorix
