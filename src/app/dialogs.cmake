# Memory save copying, memory flush and repeater configuration: a model library over the image and
# the settings, and the three dialogs on top of it.
add_library(orv_app_model STATIC ${CMAKE_CURRENT_LIST_DIR}/memoryblocks.cpp)
target_link_libraries(orv_app_model PUBLIC orv_core)

add_library(orv_app_dialogs STATIC ${CMAKE_CURRENT_LIST_DIR}/frmMemory.cpp
            ${CMAKE_CURRENT_LIST_DIR}/frmFlush.cpp ${CMAKE_CURRENT_LIST_DIR}/frmConfig.cpp)
target_link_libraries(orv_app_dialogs PUBLIC orv_app_model orv_ui)
