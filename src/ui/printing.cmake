# The Qt printing behind the PrinterSystem seam; included from this folder's CMakeLists.txt.
add_library(qtprinting STATIC
    ${CMAKE_CURRENT_LIST_DIR}/QtPrinterSystem.cpp
)
target_include_directories(qtprinting PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(qtprinting PUBLIC entries PRIVATE core Qt6::PrintSupport Qt6::Gui)
