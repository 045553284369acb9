#include "platform/ComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <functional>
#include <vector>

namespace {

using platform::ComboBox;
using platform::ComboStyle;

// Records each event with what the control said while it was being raised.
struct Recorder {
    std::vector<QString> events;

    void Watch(ComboBox &combo) {
        QObject::connect(&combo, &ComboBox::Click, [this, &combo] {
            events.push_back("Click " + QString::number(combo.ListIndex()) + " " + combo.Text());
        });
        QObject::connect(&combo, &ComboBox::Change,
                         [this, &combo] { events.push_back("Change " + combo.Text()); });
        QObject::connect(&combo, &ComboBox::DropDown, [this] { events.push_back("DropDown"); });
    }
};

class ComboBoxTest : public testing::Test {
  protected:
    void Fill(ComboBox &combo) {
        for (const char *item : {"Julian", "Gregorian", "Jewish", "Moslem"})
            combo.AddItem(item);
    }

    QWidget window;
    ComboBox list{&window, "Combo1"};
    ComboBox combo{&window, "Combo8"};
    Recorder recorder;
};

TEST_F(ComboBoxTest, FillingAListSelectsNothingAndRaisesNothing) {
    for (ComboBox *c : {&list, &combo}) {
        recorder.Watch(*c);
        Fill(*c);
        EXPECT_EQ(c->ListCount(), 4);
        EXPECT_EQ(c->ListIndex(), -1);
        c->Clear();
        EXPECT_EQ(c->ListCount(), 0);
    }
    combo.SetStyle(ComboStyle::DropDownCombo);
    combo.SetText("2451545");
    recorder.events.clear();
    Fill(combo);
    EXPECT_EQ(combo.Text(), "2451545") << "adding items keeps a typed text";
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(ComboBoxTest, CodeRaisesEventsInsideTheSettingCall) {
    combo.SetStyle(ComboStyle::DropDownCombo);
    Fill(list);
    Fill(combo);
    recorder.Watch(list);
    recorder.Watch(combo);
    struct Step {
        const char *name;
        std::function<void()> act;
        std::vector<QString> events;
    };
    const std::vector<Step> steps = {
        {"list index", [&] { list.SetListIndex(2); }, {"Click 2 Jewish"}},
        {"same list index again", [&] { list.SetListIndex(2); }, {}},
        {"list text, any case", [&] { EXPECT_TRUE(list.SetText("moslem")); }, {"Click 3 Moslem"}},
        {"list text not in the list", [&] { EXPECT_FALSE(list.SetText("Mayan")); }, {}},
        {"index out of range", [&] { list.SetListIndex(4); }, {}},
        {"combo index", [&] { combo.SetListIndex(0); }, {"Click 0 Julian"}},
        {"combo text", [&] { combo.SetText("12"); }, {"Change 12"}},
        {"same combo text", [&] { combo.SetText("12"); }, {}},
        {"clear",
         [&] {
             combo.Clear();
             list.Clear();
         },
         {}},
    };
    for (const Step &step : steps) {
        recorder.events.clear();
        step.act();
        EXPECT_EQ(recorder.events, step.events) << step.name;
    }
}

TEST_F(ComboBoxTest, TypingRaisesChangeAndKeyDownCanSwallowAKey) {
    combo.SetStyle(ComboStyle::DropDownCombo);
    recorder.Watch(combo);
    std::vector<int> keys;
    QObject::connect(&combo, &ComboBox::KeyDown, [&](int &keyCode, int) {
        keys.push_back(keyCode);
        if (keyCode == 190) keyCode = 0;
    });
    QObject::connect(&combo, &ComboBox::KeyPress, [](int &charCode) {
        if (charCode == ',') charCode = 0;
    });
    QTest::keyClicks(&combo, "12.5,");
    QTest::keyClick(&combo, Qt::Key_Return);
    EXPECT_EQ(combo.Text(), "125");
    EXPECT_EQ(keys, (std::vector<int>{49, 50, 190, 53, 188, 13}));
    EXPECT_EQ(recorder.events, (std::vector<QString>{"Change 1", "Change 12", "Change 125"}));
}

TEST_F(ComboBoxTest, EnterOnATextThatMatchesAnItemPicksNothing) {
    combo.SetStyle(ComboStyle::DropDownCombo);
    Fill(combo);
    recorder.Watch(combo);
    combo.SetText("Jewish");
    recorder.events.clear();
    QTest::keyClick(&combo, Qt::Key_Return);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(ComboBoxTest, ArrowKeysPickItemsWithClick) {
    Fill(list);
    list.SetListIndex(0);
    recorder.Watch(list);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(recorder.events, (std::vector<QString>{"Click 1 Gregorian"}));
}

TEST_F(ComboBoxTest, DropDownComesBeforeTheListOpensSoAHandlerCanFillIt) {
    window.show();
    bool openAlready = true;
    QObject::connect(&list, &ComboBox::DropDown, [&] {
        openAlready = list.view()->isVisible();
        Fill(list);
    });
    list.showPopup();
    EXPECT_FALSE(openAlready);
    EXPECT_TRUE(list.view()->isVisible());
    EXPECT_EQ(list.view()->model()->rowCount(), 4);
    list.hidePopup();
}

TEST_F(ComboBoxTest, FocusEventsOnEnteringAndLeaving) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    combo.SetStyle(ComboStyle::DropDownCombo);
    list.SetFocus();
    std::vector<QString> events;
    for (ComboBox *c : {&list, &combo}) {
        QObject::connect(c, &ComboBox::GotFocus,
                         [&events, c] { events.push_back("Got " + c->objectName()); });
        QObject::connect(c, &ComboBox::LostFocus,
                         [&events, c] { events.push_back("Lost " + c->objectName()); });
    }
    combo.SetFocus();
    list.SetFocus();
    EXPECT_EQ(events,
              (std::vector<QString>{"Lost Combo1", "Got Combo8", "Lost Combo8", "Got Combo1"}));
}

TEST_F(ComboBoxTest, ItemDataBelongsToItsEntry) {
    Fill(list);
    list.SetItemData(0, 3);
    EXPECT_EQ(list.ItemData(0), 3);
    EXPECT_EQ(list.ItemData(1), 0);
    EXPECT_EQ(list.List(2), "Jewish");
}

} // namespace
