# make package: on Linux a Debian package of the installed program, its
# library dependencies read off the binary by dpkg-shlibdeps; the two named
# here are what no binary links: the X11 platform plugin Qt loads at run time,
# and the metric-compatible stand-in for Courier New. For Windows a ZIP of
# hexling.exe with the README and the licence.
set(CPACK_PACKAGE_NAME hexling)
set(CPACK_PACKAGE_VENDOR "Hexling developers")
set(CPACK_PACKAGE_CONTACT "Hexling developers <hexling@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "always-on-top reference for the 65C816 instruction set")
set(CPACK_PACKAGE_DESCRIPTION
    "Hexling is a small desktop reference for the instruction set of the WDC 65C816, the 16-bit 6502. "
    "Pick an opcode byte to see its mnemonic and addressing mode, the mnemonic's description and every "
    "byte that carries it; double-click a byte to jump to its line.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME hexling-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
  # Wayland without X: the program runs there only with Qt's Wayland plugin.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()
include(CPack)
