// The program's start-up routines, from the main routine to the default window.
#pragma once

// Runs the program between the runtime's initialisers and its finalisers: installs the exception
// helper, declares the framework version, runs early start-up and the framework's initialisation,
// then the event loop. Any exception that reaches it is reported once as unhandled.
void Main();
// Creates the application object with its version data and menu bar, and registers it.
void EarlyStartup();
// The application declares no file types and adds no menu handlers: both hooks do nothing.
void InitFileTypes();
void ApplicationAddMenuHandlers();
void NewAppInstance();
// Called by the framework during its initialisation.
void LateStartup();
// Opens the main window; the framework keeps it.
void MakeDefaultView();
