// The program's forms in the order the application object creates them.
#pragma once

class TApplication;

//! Creates the seven automatically created forms, all hidden, the main window first.
void CreateProgramForms(TApplication &application);
