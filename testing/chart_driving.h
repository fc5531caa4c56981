#pragma once

// What the tests of an open chart window do with it as a user would, whoever
// holds the window: type into its boxes, press Enter, and read back what was
// drawn and what the property panel lists.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <variant>
#include <vector>

#include "chart/chart_window.h"
#include "testing/scripted_message_boxes.h"

namespace calorix::test {

class ChartDriving : public ::testing::Test {
  protected:
    // The open chart window.
    virtual ChartWindow& Chart() = 0;

    PropertyBox& Box(int i) { return Chart().InputBox(i); }

    // Types into a box as a user would, after emptying it.
    void Type(int box, const QString& text) {
        Box(box).setFocus();
        Box(box).clear();
        QTest::keyClicks(&Box(box), text);
    }
    void PressEnter(int box) { QTest::keyClick(&Box(box), Qt::Key_Return); }

    // Entries of the display list from index `from` on.
    template <class T>
    std::vector<T> Drawn(size_t from = 0) {
        std::vector<T> found;
        const auto& list = Chart().DisplayList();
        for (size_t i = from; i < list.size(); ++i) {
            if (const T* entry = std::get_if<T>(&list[i])) found.push_back(*entry);
        }
        return found;
    }

    // The texts printed from display-list entry `from` on.
    QStringList Printed(size_t from) {
        QStringList texts;
        for (const TextPrimitive& text : Drawn<TextPrimitive>(from))
            texts << text.text;
        return texts;
    }

    // The property panel's lines, each of which ends with a carriage return.
    QStringList PanelLines() {
        QString caption = Chart().Panel().Caption();
        EXPECT_TRUE(caption.endsWith('\r'));
        caption.chop(1);
        return caption.split('\r');
    }

    ScriptedMessageBoxes messages_;
};

}  // namespace calorix::test
