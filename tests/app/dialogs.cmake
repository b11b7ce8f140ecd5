# Memory save copying, memory flush and repeater configuration dialogs, driven through their widgets.
orv_add_test(test_app_dialogs
  ${CMAKE_CURRENT_LIST_DIR}/test_memorydialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_repeaterconfig.cpp
  LIBS orv_app_dialogs)
