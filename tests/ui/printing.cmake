# The Qt printing test; included from this folder's CMakeLists.txt. It reads the printed PDF back
# with pdftotext (poppler-utils).
add_app_test(tst_QtPrinterSystem
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_QtPrinterSystem.cpp
    LIBS qtprinting entries Qt6::Gui)
