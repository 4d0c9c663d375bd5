target_sources(vexacore PRIVATE
  src/dialogs/ParamDialogFrame.h src/dialogs/ParamDialogFrame.cpp
  src/dialogs/FVEXAFreqOpt.h src/dialogs/FVEXAFreqOpt.cpp
  src/dialogs/FVEXAFreqScale.h src/dialogs/FVEXAFreqScale.cpp
  src/dialogs/FVEXAYOpt.h src/dialogs/FVEXAYOpt.cpp
  src/dialogs/FVEXAYScale.h src/dialogs/FVEXAYScale.cpp
  src/dialogs/FVEXAModOpt.h src/dialogs/FVEXAModOpt.cpp
)
