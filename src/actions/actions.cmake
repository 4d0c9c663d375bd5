target_sources(vexacore PRIVATE
  src/actions/ActionHost.h
  src/actions/ActnList.h src/actions/ActnList.cpp
  src/actions/ActnMan.h src/actions/ActnMan.cpp
  src/actions/IdleUpdate.h src/actions/IdleUpdate.cpp
  src/actions/ShortCut.h src/actions/ShortCut.cpp
  src/actions/ShortCutDispatcher.h src/actions/ShortCutDispatcher.cpp
  src/actions/CatalogueTest.cpp
)
target_sources(vexacore PRIVATE
  src/actions/ActnBars.h src/actions/ActnBars.cpp
  src/actions/CatalogueTest.h src/actions/CatalogueBuild.cpp
)
target_sources(vexacore PRIVATE
  src/actions/JsonCursor.h src/actions/JsonCursor.cpp
  src/actions/LayoutFile.h src/actions/LayoutFile.cpp
)
target_sources(vexacore PRIVATE src/actions/HotKeys.h src/actions/HotKeys.cpp)
target_sources(vexacore PRIVATE src/actions/CatalogueChecklist.cpp)
