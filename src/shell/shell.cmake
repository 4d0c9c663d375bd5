target_sources(vexacore PRIVATE
  src/shell/Application.h src/shell/Application.cpp
  src/shell/FVEXAAbout.h src/shell/FVEXAAbout.cpp
  src/shell/FVEXAStartup.h src/shell/FVEXAStartup.cpp
  src/shell/Forms.h src/shell/Forms.cpp
  src/shell/ProductPanel.h src/shell/ProductPanel.cpp
  src/shell/ShowPainted.h
  src/shell/StartupWarmUp.h src/shell/StartupWarmUp.cpp
  src/shell/TickCount.h src/shell/TickCount.cpp
  src/shell/Trace.h src/shell/Trace.cpp
)
