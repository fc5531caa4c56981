// Message boxes: the QMessageBox that the program shows, and the scripted
// stand-in that tests answer through.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "surface/qt_message_boxes.h"
#include "testing/scripted_message_boxes.h"

namespace calorix {
namespace {

TEST(QtMessageBoxTest, CarriageReturnsBecomeLineBreaksOnScreen) {
    const auto box = QtMessageBoxes::CreateMessageBox(
        "Temperature out of range.\rRange: 273.16 to 1273.16 K\r\nPress OK", 0, QString(), nullptr);
    EXPECT_EQ(box->text(),
              QStringLiteral("Temperature out of range.\nRange: 273.16 to 1273.16 K\nPress OK"));
    EXPECT_EQ(QtMessageBoxes::DisplayText("\r\r\n\n"), QStringLiteral("\n\n\n"));
    EXPECT_EQ(QtMessageBoxes::DisplayText("no breaks"), QStringLiteral("no breaks"));
}

TEST(QtMessageBoxTest, TextIsShownAsPlainText) {
    const auto box =
        QtMessageBoxes::CreateMessageBox("<b>v < 0.001</b> & <i>h</i>", 0, QString(), nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QStringLiteral("<b>v < 0.001</b> & <i>h</i>"));
}

TEST(QtMessageBoxTest, WithoutATitleTheApplicationTitleShows) {
    EXPECT_EQ(QtMessageBoxes::CreateMessageBox("x", 0, QString(), nullptr)->windowTitle(),
              QStringLiteral("Calorix"));
    EXPECT_EQ(QtMessageBoxes::CreateMessageBox("x", 0, "Clear chart", nullptr)->windowTitle(),
              QStringLiteral("Clear chart"));
}

TEST(QtMessageBoxTest, ButtonsAndIconFollowTheStyle) {
    const auto okOnly = QtMessageBoxes::CreateMessageBox("x", 0, QString(), nullptr);
    EXPECT_EQ(okOnly->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(okOnly->icon(), QMessageBox::NoIcon);

    const auto yesNo = QtMessageBoxes::CreateMessageBox("x", 52, QString(), nullptr);
    EXPECT_EQ(yesNo->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(yesNo->icon(), QMessageBox::Warning);
    EXPECT_EQ(yesNo->defaultButton(), yesNo->button(QMessageBox::Yes));

    const auto unknown = QtMessageBoxes::CreateMessageBox("x", 15, QString(), nullptr);
    EXPECT_EQ(unknown->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
}

// Runs `act` on the modal box as soon as MsgBox shows it.
void WhenTheBoxShows(std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box is showing";
            return;
        }
        act(*box);
    });
}

TEST(QtMessageBoxTest, ShowsAModalBoxAndReturnsTheButtonPressed) {
    QtMessageBoxes boxes;
    QString shownText;
    QString shownTitle;
    bool modal = false;
    WhenTheBoxShows([&](QMessageBox& box) {
        shownText = box.text();
        shownTitle = box.windowTitle();
        modal = box.isModal();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(boxes.MsgBox("Clear the chart?\rAll lines go.", 52), MessageBoxes::kNo);
    EXPECT_EQ(shownText, QStringLiteral("Clear the chart?\nAll lines go."));
    EXPECT_EQ(shownTitle, QStringLiteral("Calorix"));
    EXPECT_TRUE(modal);

    WhenTheBoxShows([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(boxes.MsgBox("Clear the chart?", 4, "Steam"), MessageBoxes::kYes);

    WhenTheBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(boxes.MsgBox("Location outside digram."), MessageBoxes::kOk);
}

TEST(QtMessageBoxTest, EscapeClosesAnOkBoxWithOk) {
    QtMessageBoxes boxes;
    WhenTheBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(boxes.MsgBox("Location outside digram."), MessageBoxes::kOk);
}

TEST(QtMessageBoxTest, ABoxWhoseWindowGoesAwayAnswersNo) {
    auto window = std::make_unique<QWidget>();
    window->show();
    QtMessageBoxes boxes(window.get());
    WhenTheBoxShows([&window](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), window.get());
        window.reset();
    });
    EXPECT_EQ(boxes.MsgBox("Clear the chart?", 4), MessageBoxes::kNo);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ScriptedMessageBoxesTest, RecordsEveryBoxExactlyAsAsked) {
    ScriptedMessageBoxes boxes;
    boxes.MsgBox("Out of range.\rT: 273.16 to 1273.16");
    boxes.MsgBox("Clear?", 52, "Steam");
    const std::vector<MsgBoxCall> expected = {
        {"Out of range.\rT: 273.16 to 1273.16", 0, QString()},
        {"Clear?", 52, "Steam"},
    };
    EXPECT_EQ(boxes.Calls(), expected);
    EXPECT_EQ(boxes.BeepCount(), 0);
}

TEST(ScriptedMessageBoxesTest, WithoutPreparedAnswersTheFirstButtonIsPressed) {
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(boxes.MsgBox("a"), MessageBoxes::kOk);
    EXPECT_EQ(boxes.MsgBox("b", 4), MessageBoxes::kYes);
    EXPECT_EQ(boxes.MsgBox("c", 52), MessageBoxes::kYes);
    EXPECT_EQ(boxes.MsgBox("d", 48), MessageBoxes::kOk);
    EXPECT_EQ(boxes.MsgBox("e", 2), MessageBoxes::kAbort);
    EXPECT_EQ(boxes.MsgBox("f", 5), MessageBoxes::kRetry);
}

TEST(ScriptedMessageBoxesTest, PreparedAnswersAreUsedInOrder) {
    ScriptedMessageBoxes boxes;
    boxes.QueueAnswer(MessageBoxes::kNo);
    boxes.QueueAnswer(MessageBoxes::kYes);
    EXPECT_EQ(boxes.PendingAnswers(), 2u);
    EXPECT_EQ(boxes.MsgBox("first", 4), MessageBoxes::kNo);
    EXPECT_EQ(boxes.MsgBox("second", 4), MessageBoxes::kYes);
    EXPECT_EQ(boxes.MsgBox("third", 4), MessageBoxes::kYes);
    EXPECT_EQ(boxes.PendingAnswers(), 0u);
}

TEST(ScriptedMessageBoxesTest, CountsBeeps) {
    ScriptedMessageBoxes boxes;
    boxes.Beep();
    boxes.MsgBox("x");
    boxes.Beep();
    EXPECT_EQ(boxes.BeepCount(), 2);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST(ScriptedMessageBoxesTest, TheHandlerRunsWhileTheBoxIsOpenAndMayAnswerIt) {
    ScriptedMessageBoxes boxes;
    std::vector<QString> seen;
    boxes.SetOnMsgBox([&](const MsgBoxCall& call) {
        seen.push_back(call.prompt);
        EXPECT_EQ(boxes.Calls().back(), call);
        if (call.buttons == 4) boxes.QueueAnswer(MessageBoxes::kNo);
    });
    EXPECT_EQ(boxes.MsgBox("Clear?", 4), MessageBoxes::kNo);
    EXPECT_EQ(boxes.MsgBox("Done."), MessageBoxes::kOk);
    EXPECT_EQ(seen, (std::vector<QString>{"Clear?", "Done."}));
}

TEST(ScriptedMessageBoxesTest, ABoxShownFromInsideAnotherIsRecordedInOrder) {
    ScriptedMessageBoxes boxes;
    int depth = 0;
    boxes.SetOnMsgBox([&](const MsgBoxCall& call) {
        ++depth;
        if (call.prompt == "outer") {
            EXPECT_EQ(boxes.MsgBox("inner", 4), MessageBoxes::kYes);
            // The outer call is still the one handed in, though the record grew.
            EXPECT_EQ(call.prompt, QStringLiteral("outer"));
        }
        // A handler may replace itself while it runs.
        boxes.SetOnMsgBox(nullptr);
    });
    EXPECT_EQ(boxes.MsgBox("outer"), MessageBoxes::kOk);
    EXPECT_EQ(depth, 2);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].prompt, QStringLiteral("outer"));
    EXPECT_EQ(boxes.Calls()[1].prompt, QStringLiteral("inner"));
}

}  // namespace
}  // namespace calorix
