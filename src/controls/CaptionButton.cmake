# Caption button: layout rules in the core, the drawn control in the UI.
target_sources(tarvolix_core PRIVATE CaptionLayout.h CaptionLayout.cpp)
target_sources(tarvolix_ui PRIVATE
  ZmtCommonCommand.h ZmtCommonCommand.cpp
  ZmtCommonCommandAccessible.h ZmtCommonCommandAccessible.cpp)
