target_sources(vexacore PRIVATE
  src/shell/Application.h src/shell/Application.cpp
  src/shell/FVEXAAbout.h src/shell/FVEXAAbout.cpp
  src/shell/Forms.h src/shell/Forms.cpp
)
