target_sources(vexacore PRIVATE
  src/mainwindow/ActionBarViews.h src/mainwindow/ActionBarViews.cpp
  src/mainwindow/AlignLayout.h src/mainwindow/AlignLayout.cpp
  src/mainwindow/CHILDWIN.h src/mainwindow/CHILDWIN.cpp
  src/mainwindow/CoolBar.h src/mainwindow/CoolBar.cpp
  src/mainwindow/CustomizeDlg.h src/mainwindow/CustomizeDlg.cpp
  src/mainwindow/FVEXAMain.h src/mainwindow/FVEXAMain.cpp
  src/mainwindow/Panel.h src/mainwindow/Panel.cpp
  src/mainwindow/Splitter.h src/mainwindow/Splitter.cpp
  src/mainwindow/FVEXAMainHandlers.cpp
)
target_sources(vexacore PRIVATE
  src/mainwindow/ChecklistPanel.h src/mainwindow/ChecklistPanel.cpp
  src/mainwindow/DialogPanel.h src/mainwindow/DialogPanel.cpp
)
