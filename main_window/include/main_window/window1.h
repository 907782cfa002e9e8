// The main window: the diagram canvas and every control that changes the diagram.
#pragma once

#include <framework/controls.h>
#include <framework/window.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace main_window {

class Window1 : public fw::Window {
public:
    static constexpr std::string_view kClassName = "Window1.Window1";

    Window1();

    // Applies the window's layout record.
    void Layout();
    // Creates the 46 controls with their bindings: the first half, then the second.
    void CreateControls();
    void CreateControls0(); // Rectangle1 to PushButton1
    void CreateControls1(); // PushButton2 to PushButton6

    // The controls, looked up by name and checked against their class at every call.
    std::shared_ptr<fw::Rectangle> Rectangle1() const { return controlAs<fw::Rectangle>("Rectangle1"); }
    std::shared_ptr<fw::Canvas> Canvas1() const { return controlAs<fw::Canvas>("Canvas1"); }
    std::shared_ptr<fw::GroupBox> GroupBox1() const { return controlAs<fw::GroupBox>("GroupBox1"); }
    std::shared_ptr<fw::RadioButton> RadioButton1() const { return controlAs<fw::RadioButton>("RadioButton1"); }
    std::shared_ptr<fw::RadioButton> RadioButton2() const { return controlAs<fw::RadioButton>("RadioButton2"); }
    std::shared_ptr<fw::GroupBox> GroupBox2() const { return controlAs<fw::GroupBox>("GroupBox2"); }
    std::shared_ptr<fw::Label> StaticText1() const { return controlAs<fw::Label>("StaticText1"); }
    std::shared_ptr<fw::Slider> SpeedSlider() const { return controlAs<fw::Slider>("SpeedSlider"); }
    std::shared_ptr<fw::TextField> TextField1() const { return controlAs<fw::TextField>("TextField1"); }
    std::shared_ptr<fw::GroupBox> GroupBox3() const { return controlAs<fw::GroupBox>("GroupBox3"); }
    std::shared_ptr<fw::Slider> UnitSlider() const { return controlAs<fw::Slider>("UnitSlider"); }
    std::shared_ptr<fw::GroupBox> GroupBox4() const { return controlAs<fw::GroupBox>("GroupBox4"); }
    std::shared_ptr<fw::Label> StaticText2() const { return controlAs<fw::Label>("StaticText2"); }
    std::shared_ptr<fw::Slider> BlackPosSlider() const { return controlAs<fw::Slider>("BlackPosSlider"); }
    std::shared_ptr<fw::Label> StaticText4() const { return controlAs<fw::Label>("StaticText4"); }
    std::shared_ptr<fw::Slider> BlackLengthSlider() const { return controlAs<fw::Slider>("BlackLengthSlider"); }
    std::shared_ptr<fw::CheckBox> CheckBox1() const { return controlAs<fw::CheckBox>("CheckBox1"); }
    std::shared_ptr<fw::CheckBox> CheckBox2() const { return controlAs<fw::CheckBox>("CheckBox2"); }
    std::shared_ptr<fw::CheckBox> CheckBox3() const { return controlAs<fw::CheckBox>("CheckBox3"); }
    std::shared_ptr<fw::GroupBox> GroupBox5() const { return controlAs<fw::GroupBox>("GroupBox5"); }
    std::shared_ptr<fw::Label> StaticText3() const { return controlAs<fw::Label>("StaticText3"); }
    std::shared_ptr<fw::Slider> RedPosSlider() const { return controlAs<fw::Slider>("RedPosSlider"); }
    std::shared_ptr<fw::Label> StaticText5() const { return controlAs<fw::Label>("StaticText5"); }
    std::shared_ptr<fw::Slider> RedLengthSlider() const { return controlAs<fw::Slider>("RedLengthSlider"); }
    std::shared_ptr<fw::CheckBox> CheckBox4() const { return controlAs<fw::CheckBox>("CheckBox4"); }
    std::shared_ptr<fw::CheckBox> CheckBox5() const { return controlAs<fw::CheckBox>("CheckBox5"); }
    std::shared_ptr<fw::CheckBox> CheckBox6() const { return controlAs<fw::CheckBox>("CheckBox6"); }
    std::shared_ptr<fw::GroupBox> GroupBox6() const { return controlAs<fw::GroupBox>("GroupBox6"); }
    std::shared_ptr<fw::Slider> TimeSlider() const { return controlAs<fw::Slider>("TimeSlider"); }
    std::shared_ptr<fw::PushButton> PushButton1() const { return controlAs<fw::PushButton>("PushButton1"); }
    std::shared_ptr<fw::PushButton> PushButton2() const { return controlAs<fw::PushButton>("PushButton2"); }
    std::shared_ptr<fw::Label> Label1() const { return controlAs<fw::Label>("Label1"); }
    std::shared_ptr<fw::GroupBox> GroupBox7() const { return controlAs<fw::GroupBox>("GroupBox7"); }
    std::shared_ptr<fw::Label> StaticText7() const { return controlAs<fw::Label>("StaticText7"); }
    std::shared_ptr<fw::Label> StaticText8() const { return controlAs<fw::Label>("StaticText8"); }
    std::shared_ptr<fw::Label> StaticText9() const { return controlAs<fw::Label>("StaticText9"); }
    std::shared_ptr<fw::Label> StaticText10() const { return controlAs<fw::Label>("StaticText10"); }
    std::shared_ptr<fw::Label> StaticText11() const { return controlAs<fw::Label>("StaticText11"); }
    std::shared_ptr<fw::TextField> TextField2() const { return controlAs<fw::TextField>("TextField2"); }
    std::shared_ptr<fw::TextField> TextField3() const { return controlAs<fw::TextField>("TextField3"); }
    std::shared_ptr<fw::TextField> TextField4() const { return controlAs<fw::TextField>("TextField4"); }
    std::shared_ptr<fw::TextField> TextField5() const { return controlAs<fw::TextField>("TextField5"); }
    std::shared_ptr<fw::PushButton> PushButton4() const { return controlAs<fw::PushButton>("PushButton4"); }
    std::shared_ptr<fw::PushButton> PushButton3() const { return controlAs<fw::PushButton>("PushButton3"); }
    std::shared_ptr<fw::PushButton> PushButton5() const { return controlAs<fw::PushButton>("PushButton5"); }
    std::shared_ptr<fw::PushButton> PushButton6() const { return controlAs<fw::PushButton>("PushButton6"); }

    // Canvas gestures and paint.
    void Canvas1_MouseUp(fw::Canvas& sender, std::int64_t x, std::int64_t y);
    bool Canvas1_MouseDown(fw::Canvas& sender, std::int64_t x, std::int64_t y);
    void Canvas1_MouseDrag(fw::Canvas& sender, std::int64_t x, std::int64_t y);
    void Canvas1_MouseMove(fw::Canvas& sender, std::int64_t x, std::int64_t y);
    void Canvas1_Paint(fw::Canvas& sender, fw::Graphics& g, const std::vector<fw::Rect>& areas);

    // Viewpoint and speed.
    void RadioButton1_Action(fw::RadioButton& sender);
    void RadioButton2_Action(fw::RadioButton& sender);
    void SpeedSlider_ValueChanged(fw::Slider& sender);
    void TextField1_TextChange(fw::TextField& sender);

    // Units, rods and time.
    void UnitSlider_ValueChanged(fw::Slider& sender);
    void BlackPosSlider_ValueChanged(fw::Slider& sender);
    void BlackLengthSlider_ValueChanged(fw::Slider& sender);
    void CheckBox1_Action(fw::CheckBox& sender);
    void CheckBox2_Action(fw::CheckBox& sender);
    void CheckBox3_Action(fw::CheckBox& sender);
    void RedPosSlider_ValueChanged(fw::Slider& sender);
    void RedLengthSlider_ValueChanged(fw::Slider& sender);
    void CheckBox4_Action(fw::CheckBox& sender);
    void CheckBox5_Action(fw::CheckBox& sender);
    void CheckBox6_Action(fw::CheckBox& sender);
    void TimeSlider_ValueChanged(fw::Slider& sender);
    void PushButton1_Action(fw::PushButton& sender); // "back"
    void PushButton2_Action(fw::PushButton& sender); // "ahead"

    // Commands.
    void PushButton4_Action(fw::PushButton& sender); // "clear"
    void PushButton3_Action(fw::PushButton& sender); // "Quit"
    void PushButton5_Action(fw::PushButton& sender); // "About ..."
    void PushButton6_Action(fw::PushButton& sender); // "Print ..."

    // Registers the three menu actions on w, which must be a Window1.
    void AddMenuHandlers(fw::Window& w);
    void Event_Open();
    void Event_Close();

    // Menu actions; each returns false.
    bool _aboutItem_Action();
    bool FilePageSetup_Action();
    bool FilePrint_Action();

    // Whether this class's own code handles the named window event.
    bool IsEventImplemented(std::string_view eventName);

protected:
    fw::WindowEventTable windowEvents() override;

private:
    // The body the ten rod controls' handlers share.
    void repaintOnly();
    void changeViewer(std::int64_t viewer);
    void pageSetupStep();
    void printStep();
};

} // namespace main_window

// The open main window, built when there is none.
std::shared_ptr<main_window::Window1> Window1();
