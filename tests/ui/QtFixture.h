// A Qt platform on the offscreen display with a form holding one control of each kind; dialogs are captured.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ControlView.h"
#include "ui/qt/QtPlatform.h"

namespace testutil {

struct AllKinds {
    ui::Form form{"Form1", 320, 200};
    ui::Label label{"label", {0, 0, 100, 40}};
    ui::Button button{"button", {100, 0, 80, 24}};
    ui::Panel panel{"panel", {0, 40, 150, 90}};
    ui::Label inner{"inner", {10, 10, 50, 20}};  // inside the panel
    ui::Image image{"image", {160, 40, 40, 40}};
    ui::ListBox list{"list", {210, 40, 100, 100}};
    ui::Edit edit{"edit", {0, 140, 100, 22}};
    ui::Gauge gauge{"gauge", {110, 140, 50, 10}};
    ui::TrackBar track{"track", {170, 140, 30, 20}, false};
    ui::Timer timer{"Timer1", 10, false};

    AllKinds() {
        form.caption = "test window";
        form.appTitle = "テスト";
        for (ui::Control* c : std::initializer_list<ui::Control*>{&label, &button, &panel, &image, &list,
                                                                  &edit, &gauge, &track})
            form.add(*c);
        panel.add(inner);
        form.addTimer(timer);
        list.setItems({"空白", "白ブロック", "硬い1"});
        gauge.setRange(0, 99);
    }
    std::vector<ui::Control*> controls() {
        return {&label, &button, &panel, &inner, &image, &list, &edit, &gauge, &track};
    }
};

class QtTest : public ::testing::Test {
  protected:
    QtTest() { platform.interceptDialogs(&dialogs); }

    ui::qt::ControlView& view(const ui::Control& c) {
        auto* v = dynamic_cast<ui::qt::ControlView*>(platform.widgetOf(c));
        if (!v) throw std::logic_error("no view for " + c.name());
        return *v;
    }
    QWidget& widget(const ui::Control& c) { return view(c).widget(); }
    // Lets the event loop run for ms milliseconds.
    static void spin(int ms);

    int argc = 1;
    char arg0[16] = "ui_qt_tests";
    char* argv[2] = {arg0, nullptr};
    AllKinds w;  // declared before the platform: it outlives the window
    ui::ScriptedDialogs dialogs;
    ui::qt::QtPlatform platform{argc, argv};
};

}  // namespace testutil
