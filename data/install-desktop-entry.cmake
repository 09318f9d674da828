# Runs at install time (desktopTemplate, desktopWritten, desktopDir and packaged are set before it):
# writes the menu entry with the prefix the install really uses, which `cmake --install --prefix`
# may change.
if(packaged)
    set(DRAWSMITH_PROGRAM "${CMAKE_INSTALL_PREFIX}/bin/drawsmith")
    set(DRAWSMITH_ICON drawsmith)
else()
    set(DRAWSMITH_PROGRAM "${CMAKE_INSTALL_PREFIX}/drawsmith")
    set(DRAWSMITH_ICON "${CMAKE_INSTALL_PREFIX}/drawsmith.png")
endif()
if(NOT IS_ABSOLUTE "${desktopDir}")
    set(desktopDir "${CMAKE_INSTALL_PREFIX}/${desktopDir}")
endif()
configure_file("${desktopTemplate}" "${desktopWritten}" @ONLY)
file(INSTALL "${desktopWritten}" DESTINATION "${desktopDir}")
