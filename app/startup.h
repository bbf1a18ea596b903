#pragma once

// The program's start-up, in the order it runs: RunProgram (the process's whole life) calls Main,
// which brings the framework up, makes the application object and runs the event loop.
int RunProgram();
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
