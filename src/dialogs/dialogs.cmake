target_sources(vexacore PRIVATE
  src/dialogs/ParamDialogFrame.h src/dialogs/ParamDialogFrame.cpp
  src/dialogs/Bevel.h src/dialogs/Bevel.cpp
  src/dialogs/FVEXAFreqOpt.h src/dialogs/FVEXAFreqOpt.cpp src/dialogs/FVEXAFreqOpt.ui
  src/dialogs/FVEXAFreqScale.h src/dialogs/FVEXAFreqScale.cpp src/dialogs/FVEXAFreqScale.ui
  src/dialogs/FVEXAYOpt.h src/dialogs/FVEXAYOpt.cpp src/dialogs/FVEXAYOpt.ui
  src/dialogs/FVEXAYScale.h src/dialogs/FVEXAYScale.cpp src/dialogs/FVEXAYScale.ui
  src/dialogs/FVEXAModOpt.h src/dialogs/FVEXAModOpt.cpp src/dialogs/FVEXAModOpt.ui
)
# The dialog headers include their generated form classes, and other targets include the dialog headers.
target_include_directories(vexacore PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/vexacore_autogen/include)
