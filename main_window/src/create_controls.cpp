// Creating the main window's controls in their fixed order, each configured before its events are bound.
#include <main_window/control_records.h>
#include <main_window/window1.h>

#include <functional>

namespace main_window {

void Window1::CreateControls()
{
    CreateControls0();
    CreateControls1();
}

void Window1::CreateControls0()
{
    createControl<fw::Rectangle>("Rectangle1", records::Rectangle1);

    createControl<fw::Canvas>("Canvas1", records::Canvas1);
    Canvas1()->MouseUp.bind(std::bind_front(&Window1::Canvas1_MouseUp, this));
    Canvas1()->MouseDown.bind(std::bind_front(&Window1::Canvas1_MouseDown, this));
    Canvas1()->MouseDrag.bind(std::bind_front(&Window1::Canvas1_MouseDrag, this));
    Canvas1()->MouseMove.bind(std::bind_front(&Window1::Canvas1_MouseMove, this));
    Canvas1()->Paint.bind(std::bind_front(&Window1::Canvas1_Paint, this));

    createControl<fw::GroupBox>("GroupBox1", records::GroupBox1);

    createControl<fw::RadioButton>("RadioButton1", records::RadioButton1);
    RadioButton1()->Action.bind(std::bind_front(&Window1::RadioButton1_Action, this));

    createControl<fw::RadioButton>("RadioButton2", records::RadioButton2);
    RadioButton2()->Action.bind(std::bind_front(&Window1::RadioButton2_Action, this));

    createControl<fw::GroupBox>("GroupBox2", records::GroupBox2);
    createControl<fw::Label>("StaticText1", records::StaticText1);

    createControl<fw::Slider>("SpeedSlider", records::SpeedSlider);
    SpeedSlider()->ValueChanged.bind(std::bind_front(&Window1::SpeedSlider_ValueChanged, this));

    createControl<fw::TextField>("TextField1", records::TextField1);
    TextField1()->TextChange.bind(std::bind_front(&Window1::TextField1_TextChange, this));

    createControl<fw::GroupBox>("GroupBox3", records::GroupBox3);

    createControl<fw::Slider>("UnitSlider", records::UnitSlider);
    UnitSlider()->ValueChanged.bind(std::bind_front(&Window1::UnitSlider_ValueChanged, this));

    createControl<fw::GroupBox>("GroupBox4", records::GroupBox4);
    createControl<fw::Label>("StaticText2", records::StaticText2);

    createControl<fw::Slider>("BlackPosSlider", records::BlackPosSlider);
    BlackPosSlider()->ValueChanged.bind(std::bind_front(&Window1::BlackPosSlider_ValueChanged, this));

    createControl<fw::Label>("StaticText4", records::StaticText4);

    createControl<fw::Slider>("BlackLengthSlider", records::BlackLengthSlider);
    BlackLengthSlider()->ValueChanged.bind(std::bind_front(&Window1::BlackLengthSlider_ValueChanged, this));

    createControl<fw::CheckBox>("CheckBox1", records::CheckBox1);
    CheckBox1()->Action.bind(std::bind_front(&Window1::CheckBox1_Action, this));

    createControl<fw::CheckBox>("CheckBox2", records::CheckBox2);
    CheckBox2()->Action.bind(std::bind_front(&Window1::CheckBox2_Action, this));

    createControl<fw::CheckBox>("CheckBox3", records::CheckBox3);
    CheckBox3()->Action.bind(std::bind_front(&Window1::CheckBox3_Action, this));

    createControl<fw::GroupBox>("GroupBox5", records::GroupBox5);
    createControl<fw::Label>("StaticText3", records::StaticText3);

    createControl<fw::Slider>("RedPosSlider", records::RedPosSlider);
    RedPosSlider()->ValueChanged.bind(std::bind_front(&Window1::RedPosSlider_ValueChanged, this));

    createControl<fw::Label>("StaticText5", records::StaticText5);

    createControl<fw::Slider>("RedLengthSlider", records::RedLengthSlider);
    RedLengthSlider()->ValueChanged.bind(std::bind_front(&Window1::RedLengthSlider_ValueChanged, this));

    createControl<fw::CheckBox>("CheckBox4", records::CheckBox4);
    CheckBox4()->Action.bind(std::bind_front(&Window1::CheckBox4_Action, this));

    createControl<fw::CheckBox>("CheckBox5", records::CheckBox5);
    CheckBox5()->Action.bind(std::bind_front(&Window1::CheckBox5_Action, this));

    createControl<fw::CheckBox>("CheckBox6", records::CheckBox6);
    CheckBox6()->Action.bind(std::bind_front(&Window1::CheckBox6_Action, this));

    createControl<fw::GroupBox>("GroupBox6", records::GroupBox6);

    createControl<fw::Slider>("TimeSlider", records::TimeSlider);
    TimeSlider()->ValueChanged.bind(std::bind_front(&Window1::TimeSlider_ValueChanged, this));

    createControl<fw::PushButton>("PushButton1", records::PushButton1);
    PushButton1()->Action.bind(std::bind_front(&Window1::PushButton1_Action, this));
}

void Window1::CreateControls1()
{
    createControl<fw::PushButton>("PushButton2", records::PushButton2);
    PushButton2()->Action.bind(std::bind_front(&Window1::PushButton2_Action, this));

    createControl<fw::Label>("Label1", records::Label1);
    createControl<fw::GroupBox>("GroupBox7", records::GroupBox7);
    createControl<fw::Label>("StaticText7", records::StaticText7);
    createControl<fw::Label>("StaticText8", records::StaticText8);
    createControl<fw::Label>("StaticText9", records::StaticText9);
    createControl<fw::Label>("StaticText10", records::StaticText10);
    createControl<fw::Label>("StaticText11", records::StaticText11);
    createControl<fw::TextField>("TextField2", records::TextField2);
    createControl<fw::TextField>("TextField3", records::TextField3);
    createControl<fw::TextField>("TextField4", records::TextField4);
    createControl<fw::TextField>("TextField5", records::TextField5);

    createControl<fw::PushButton>("PushButton4", records::PushButton4);
    PushButton4()->Action.bind(std::bind_front(&Window1::PushButton4_Action, this));

    createControl<fw::PushButton>("PushButton3", records::PushButton3);
    PushButton3()->Action.bind(std::bind_front(&Window1::PushButton3_Action, this));

    createControl<fw::PushButton>("PushButton5", records::PushButton5);
    PushButton5()->Action.bind(std::bind_front(&Window1::PushButton5_Action, this));

    createControl<fw::PushButton>("PushButton6", records::PushButton6);
    PushButton6()->Action.bind(std::bind_front(&Window1::PushButton6_Action, this));
}

} // namespace main_window
