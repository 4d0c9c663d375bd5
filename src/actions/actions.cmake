target_sources(vexacore PRIVATE
  src/actions/ActionHost.h
  src/actions/ActnList.h src/actions/ActnList.cpp
  src/actions/ActnMan.h src/actions/ActnMan.cpp
  src/actions/IdleUpdate.h src/actions/IdleUpdate.cpp
  src/actions/ShortCut.h src/actions/ShortCut.cpp
  src/actions/ShortCutDispatcher.h src/actions/ShortCutDispatcher.cpp
)
