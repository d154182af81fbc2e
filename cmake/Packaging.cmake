# The desktop's view of the program (menu entry, icons, formula files) and a Debian package of the
# installed tree:  cmake --build build --target package  writes build/quantora_<version>_<arch>.deb.
if(WIN32)
  return()
endif()

set(art ${PROJECT_SOURCE_DIR}/src/ui/art)
set(programs quantora-cli)
if(QUANTORA_GUI)
  list(APPEND programs quantora)
endif()
# Programs found on the PATH while they live beside their data.
foreach(program ${programs})
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${QUANTORA_PROGRAM_DIR}/${program} \"\${bin}/${program}\" SYMBOLIC)")
endforeach()
if(QUANTORA_GUI)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quantora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quantora-formula.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${art}/quantora-${size}.png RENAME quantora.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${art}/quantora-icon.svg RENAME quantora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quantora)
set(CPACK_PACKAGE_VENDOR Quantora)
set(CPACK_PACKAGE_CONTACT "Quantora developers <developers@quantora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Unit-of-measure converter with a formula calculator")
set(CPACK_PACKAGE_DESCRIPTION "Converts a value between the units of a category (length, mass, temperature, \
currency, number systems and many more), with a formula calculator, lists of physical constants and \
chemical elements, units of your own, and a command-line converter (quantora-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the programs link (Qt, libcurl, the C++ runtime) become the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
