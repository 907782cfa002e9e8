// The layout records of the main window's 46 controls, in creation order, one row per control.
#pragma once

#include <main_window/control_record_kinds.h>

namespace main_window::records {

// clang-format off
inline constexpr auto Rectangle1        = fw::record::encode([] { return rectangle(  {"Rectangle1",        20,  20, 663, 583,  0, ""}); });
inline constexpr auto Canvas1           = fw::record::encode([] { return canvas(     {"Canvas1",           33,  35, 636, 553,  0, "Rectangle1"}); });
inline constexpr auto GroupBox1         = fw::record::encode([] { return groupBox(   {"GroupBox1",        703,  19, 171,  48,  0, ""}, "we think with"); });
inline constexpr auto RadioButton1      = fw::record::encode([] { return radioButton({"RadioButton1",     717,  42,  61,  20,  0, "GroupBox1"}, "black", true); });
inline constexpr auto RadioButton2      = fw::record::encode([] { return radioButton({"RadioButton2",     796,  42,  46,  20,  1, "GroupBox1"}, "red", false); });
inline constexpr auto GroupBox2         = fw::record::encode([] { return groupBox(   {"GroupBox2",        703,  79, 171,  84,  1, ""}, "relative speed"); });
inline constexpr auto StaticText1       = fw::record::encode([] { return label(      {"StaticText1",      732, 108,  32,  20,  1, "GroupBox2"}, "v/c"); });
inline constexpr auto SpeedSlider       = fw::record::encode([] { return slider(     {"SpeedSlider",      719, 138, 131,  16,  2, "GroupBox2"}, {32, 1, 39, 1, 0}); });
inline constexpr auto TextField1        = fw::record::encode([] { return textField(  {"TextField1",       762, 107,  80,  22,  3, "GroupBox2"}, true, "0.6"); });
inline constexpr auto GroupBox3         = fw::record::encode([] { return groupBox(   {"GroupBox3",        703, 173, 171,  60,  2, ""}, "units"); });
inline constexpr auto UnitSlider        = fw::record::encode([] { return slider(     {"UnitSlider",       719, 208, 131,  16,  0, "GroupBox3"}, {3, 0, 9, 1, 2}); });
inline constexpr auto GroupBox4         = fw::record::encode([] { return groupBox(   {"GroupBox4",        703, 257, 171, 162,  3, ""}, "black object"); });
inline constexpr auto StaticText2       = fw::record::encode([] { return label(      {"StaticText2",      719, 281,  56,  20,  0, "GroupBox4"}, "Position"); });
inline constexpr auto BlackPosSlider    = fw::record::encode([] { return slider(     {"BlackPosSlider",   787, 288,  63,  16,  1, "GroupBox4"}, {2, 0, 2, 1, 2}); });
inline constexpr auto StaticText4       = fw::record::encode([] { return label(      {"StaticText4",      719, 309,  45,  20,  2, "GroupBox4"}, "Length"); });
inline constexpr auto BlackLengthSlider = fw::record::encode([] { return slider(     {"BlackLengthSlider",776, 321,  84,  16,  3, "GroupBox4"}, {6, 1, 13, 1, 2}); });
inline constexpr auto CheckBox1         = fw::record::encode([] { return checkBox(   {"CheckBox1",        719, 339, 100,  20,  4, "GroupBox4"}, "is visible"); });
inline constexpr auto CheckBox2         = fw::record::encode([] { return checkBox(   {"CheckBox2",        719, 364, 100,  20,  5, "GroupBox4"}, "has Trace"); });
inline constexpr auto CheckBox3         = fw::record::encode([] { return checkBox(   {"CheckBox3",        719, 390, 100,  20,  6, "GroupBox4"}, "has Shadow"); });
inline constexpr auto GroupBox5         = fw::record::encode([] { return groupBox(   {"GroupBox5",        703, 441, 171, 162,  4, ""}, "red object"); });
inline constexpr auto StaticText3       = fw::record::encode([] { return label(      {"StaticText3",      719, 465,  56,  20,  0, "GroupBox5"}, "Position"); });
inline constexpr auto RedPosSlider      = fw::record::encode([] { return slider(     {"RedPosSlider",     787, 473,  63,  16,  1, "GroupBox5"}, {0, 0, 2, 1, 2}); });
inline constexpr auto StaticText5       = fw::record::encode([] { return label(      {"StaticText5",      719, 489,  45,  20,  2, "GroupBox5"}, "Length"); });
inline constexpr auto RedLengthSlider   = fw::record::encode([] { return slider(     {"RedLengthSlider",  776, 499,  84,  16,  3, "GroupBox5"}, {6, 1, 13, 1, 2}); });
inline constexpr auto CheckBox4         = fw::record::encode([] { return checkBox(   {"CheckBox4",        719, 523, 100,  20,  4, "GroupBox5"}, "is visible"); });
inline constexpr auto CheckBox5         = fw::record::encode([] { return checkBox(   {"CheckBox5",        719, 575, 100,  20,  5, "GroupBox5"}, "has Shadow"); });
inline constexpr auto CheckBox6         = fw::record::encode([] { return checkBox(   {"CheckBox6",        719, 549, 100,  20,  6, "GroupBox5"}, "has Trace"); });
inline constexpr auto GroupBox6         = fw::record::encode([] { return groupBox(   {"GroupBox6",        596, 618, 278,  98,  5, ""}, "the time"); });
inline constexpr auto TimeSlider        = fw::record::encode([] { return slider(     {"TimeSlider",       612, 654, 244,  16,  0, "GroupBox6"}, {572, 0, 1000, 24, 0}); });
inline constexpr auto PushButton1       = fw::record::encode([] { return pushButton( {"PushButton1",      612, 677,  59,  20,  1, "GroupBox6"}, "back", kPlainButton); });
inline constexpr auto PushButton2       = fw::record::encode([] { return pushButton( {"PushButton2",      797, 677,  59,  20,  2, "GroupBox6"}, "ahead", kPlainButton); });
inline constexpr auto Label1            = fw::record::encode([] { return label(      {"Label1",           707, 677,  65,  20,  3, "GroupBox6"}, " 10 ns"); });
inline constexpr auto GroupBox7         = fw::record::encode([] { return groupBox(   {"GroupBox7",         26, 618, 521, 167,  6, ""}, "black says"); });
inline constexpr auto StaticText7       = fw::record::encode([] { return label(      {"StaticText7",       38, 648, 301,  20,  0, "GroupBox7"}, "all my clocks read then"); });
inline constexpr auto StaticText8       = fw::record::encode([] { return label(      {"StaticText8",       38, 673, 221,  20,  1, "GroupBox7"}, "my event position"); });
inline constexpr auto StaticText9       = fw::record::encode([] { return label(      {"StaticText9",       38, 698, 261,  20,  2, "GroupBox7"}, "that red clock there reads"); });
inline constexpr auto StaticText10      = fw::record::encode([] { return label(      {"StaticText10",      38, 723, 282,  20,  3, "GroupBox7"}, "red's event position"); });
inline constexpr auto StaticText11      = fw::record::encode([] { return label(      {"StaticText11",      38, 758, 344,  19,  8, "GroupBox7"}, "RP  equals  SQ  according to Tovalin's myth !!"); });
inline constexpr auto TextField2        = fw::record::encode([] { return textField(  {"TextField2",       406, 647,  99,  22,  9, "GroupBox7"}, false, ""); });
inline constexpr auto TextField3        = fw::record::encode([] { return textField(  {"TextField3",       406, 672,  98,  22, 10, "GroupBox7"}, false, ""); });
inline constexpr auto TextField4        = fw::record::encode([] { return textField(  {"TextField4",       406, 697,  98,  22, 11, "GroupBox7"}, false, ""); });
inline constexpr auto TextField5        = fw::record::encode([] { return textField(  {"TextField5",       406, 722,  99,  22, 12, "GroupBox7"}, false, ""); });
inline constexpr auto PushButton4       = fw::record::encode([] { return pushButton( {"PushButton4",      428, 755,  59,  20, 13, "GroupBox7"}, "clear", kPlainButton); });
inline constexpr auto PushButton3       = fw::record::encode([] { return pushButton( {"PushButton3",      797, 765,  75,  20,  7, ""}, "Quit", kPlainButton); });
inline constexpr auto PushButton5       = fw::record::encode([] { return pushButton( {"PushButton5",      697, 765,  73,  20,  8, ""}, "About ...", kCancelButton); });
inline constexpr auto PushButton6       = fw::record::encode([] { return pushButton( {"PushButton6",      596, 764,  75,  20,  9, ""}, "Print ...", kCancelButton); });
// clang-format on

} // namespace main_window::records
