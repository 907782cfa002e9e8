// A fresh main window for every test, from the model's start values, closed again afterwards.
#pragma once

#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/application.h>
#include <framework/printing.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Globals::resetToStartValues();
        fw::clearQuitRequest();
        window = ::Window1();
    }

    void TearDown() override
    {
        if (auto about = fw::GetImplicitWindow("Window2.Window2"))
            about->Close();
        if (window->isOpen())
            window->Close();
        fw::testing::processEvents();
        window.reset();
        fw::setPrintDialogs({});
        fw::clearQuitRequest();
        Globals::resetToStartValues();
    }

    // Runs every pending repaint, as the event loop would before the user looks again.
    void paint() { fw::testing::renderWindow(*window); }

    std::shared_ptr<main_window::Window1> window;
};
