// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window through Qt's accessibility interfaces, as a screen reader would meet it.
#include "window_fixture.h"

#include <QAccessible>
#include <QTest>
#include <algorithm>
#include <map>

namespace molen::testing_support {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The window's children that are painted texts: static texts, and the advice, a notification.
std::vector<QAccessibleInterface*> staticTexts(QAccessibleInterface* window) {
    std::vector<QAccessibleInterface*> texts;
    for (int i = 0; i < window->childCount(); ++i) {
        const QAccessible::Role role = window->child(i)->role();
        if (role == QAccessible::StaticText || role == QAccessible::Notification)
            texts.push_back(window->child(i));
    }
    return texts;
}

class Accessibility : public WindowTest {
  protected:
    QAccessibleInterface* textOf(std::string_view label) {
        const QRect box = toQRect(window.grid().rect(window.form().get<Label>(label)));
        for (QAccessibleInterface* text : staticTexts(accessible(&window))) {
            if (text->rect() == QRect(window.mapToGlobal(box.topLeft()), box.size()))
                return text;
        }
        return nullptr;
    }
};

TEST_F(Accessibility, EveryWidgetIsNamedAfterItsCaption) {
    const std::map<std::string_view, QString> names{
        {"VScroll1", "Wind"},
        {"Text2", "Enden"},
        {"HScroll1", "Overbrengings factor "},
        {"Text4", "Overbrengings factor "},
        {"HScroll2", "Diameter loper"},
        {"Text8", "Diameter loper"},
        {"Command1", "Licht de vang"},
    };
    for (const auto& [widget, name] : names)
        EXPECT_EQ(accessible(child<QWidget*>(widget))->text(QAccessible::Name), name) << widget;
}

TEST_F(Accessibility, ReadoutsAndBannerAreStaticTextsOfTheWindow) {
    QAccessibleInterface* windowInterface = accessible(&window);
    EXPECT_EQ(windowInterface->text(QAccessible::Name), "  ZAVELTOP SOFTWARE");
    const auto texts = staticTexts(windowInterface);
    EXPECT_EQ(texts.size(), 5u);
    for (QAccessibleInterface* text : texts) {
        EXPECT_EQ(text->parent(), windowInterface);
        EXPECT_EQ(windowInterface->child(windowInterface->indexOfChild(text)), text);
    }
    for (const char* label : {"Label1", "Label6", "Label7", "Label9", "Label10"}) {
        QAccessibleInterface* text = textOf(label);
        ASSERT_NE(text, nullptr) << label;
        const QString caption = QString::fromStdString(window.form().get<Label>(label).Caption);
        EXPECT_EQ(text->text(QAccessible::Name), caption) << label;
        EXPECT_EQ(text->text(QAccessible::Value), caption) << label;
    }
    for (const char* label : {"Label6", "Label7", "Label9", "Label10"})
        EXPECT_EQ(textOf(label)->role(), QAccessible::StaticText) << label;
    // A screen reader speaks a notification as it shows, and a static text only when asked.
    EXPECT_EQ(textOf("Label1")->role(), QAccessible::Notification) << "the advice";
    EXPECT_TRUE(textOf("Label1")->state().invisible) << "the advice is hidden at first";
    EXPECT_FALSE(textOf("Label9")->state().invisible);
}

TEST_F(Accessibility, ReadoutsAndBannerLieInTheBoxesTheFormGivesThem) {
    std::vector<QRect> places;
    for (QAccessibleInterface* text : staticTexts(accessible(&window)))
        places.emplace_back(window.mapFromGlobal(text->rect().topLeft()), text->rect().size());
    const std::pair<const char*, QRect> texts[] = {
        {"Label1", {496, 528, 137, 25}}, {"Label6", {48, 136, 233, 17}},
        {"Label7", {48, 112, 225, 17}},  {"Label9", {504, 464, 121, 25}},
        {"Label10", {-153, 1, 353, 33}}, // at -2300, 20: each edge to the nearest pixel
    };                                   // the form's twips over 15
    for (const auto& [label, box] : texts)
        EXPECT_NE(std::find(places.begin(), places.end(), box), places.end()) << label;
}

// (Qt passes accessibility events on only while assistive technology listens, which it cannot on
// the offscreen platform: scripts/check-accessibility watches them over AT-SPI.)
TEST_F(Accessibility, ReadoutsFollowTheirCaptions) {
    QTest::mouseClick(window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    bar("VScroll1")->setValue(80);
    window.deliver(MillEvent::Timer1Tick);
    window.deliver(MillEvent::Timer2Tick);
    for (const char* label : {"Label6", "Label7", "Label9"}) {
        const QString caption = QString::fromStdString(window.form().get<Label>(label).Caption);
        EXPECT_FALSE(caption.isEmpty()) << label;
        EXPECT_EQ(textOf(label)->text(QAccessible::Name), caption) << label;
        EXPECT_EQ(textOf(label)->text(QAccessible::Value), caption) << label;
    }
    EXPECT_FALSE(textOf("Label1")->state().invisible) << "the advice shows in a strong wind";
}

// A screen reader reads a field's text through its runs of attributes: each run must hold the
// whole text, which has no attributes of its own.
TEST_F(Accessibility, EachFieldIsAnEditableTextWholeInOneRun) {
    QTest::mouseClick(child<QWidget*>("Command1"), Qt::LeftButton);
    window.deliver(MillEvent::Timer1Tick);
    window.deliver(MillEvent::Timer2Tick);
    // The slowest wind, and the ratio 450 and the diameter 140 over 100 the sliders start at.
    const std::pair<const char*, QString> fields[] = {
        {"Text2", "10"}, {"Text4", "4.5"}, {"Text8", "1.4"}};
    for (const auto& [name, shown] : fields) {
        QAccessibleInterface* edit = accessible(field(name));
        EXPECT_EQ(edit->role(), QAccessible::EditableText) << name;
        EXPECT_TRUE(edit->state().editable) << name;
        EXPECT_EQ(edit->text(QAccessible::Value), shown) << name;
        QAccessibleTextInterface* text = edit->textInterface();
        ASSERT_NE(text, nullptr) << name;
        ASSERT_EQ(text->text(0, text->characterCount()), shown) << name;
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            int start = -1, end = -1;
            EXPECT_EQ(text->attributes(offset, &start, &end), QString()) << name;
            EXPECT_EQ(std::pair(start, end), std::pair(0, int(shown.size()))) << name << offset;
            EXPECT_TRUE(edit->rect().contains(text->characterRect(offset))) << name << offset;
        }
        field(name)->selectAll();
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        EXPECT_EQ(text->selectionCount(), 1) << name;
        EXPECT_EQ(std::pair(start, end), std::pair(0, int(shown.size()))) << name;
    }
}

} // namespace
} // namespace molen::testing_support
