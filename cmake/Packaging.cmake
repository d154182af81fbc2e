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
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.quantora.Quantora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.quantora.Quantora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quantora-formula.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${art}/quantora-${size}.png RENAME quantora.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${art}/quantora-icon.svg RENAME quantora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The licence, changelog and manual pages where Debian looks for them, compressed as Debian keeps
# them: gzip -n leaves out the time stamp, so the same sources give the same package.
find_program(GZIP gzip REQUIRED)
set(packaged ${PROJECT_BINARY_DIR}/packaging)
set(manuals quantora-cli.1)
if(QUANTORA_GUI)
  list(APPEND manuals quantora.1)
endif()
set(compressed)
foreach(manual ${manuals})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${manual}.in ${packaged}/${manual} @ONLY)
  list(APPEND compressed ${packaged}/${manual})
endforeach()
foreach(document packaging/debian/changelog THIRD-PARTY-NOTICES.txt)
  get_filename_component(name ${document} NAME)
  configure_file(${PROJECT_SOURCE_DIR}/${document} ${packaged}/${name} COPYONLY)
  list(APPEND compressed ${packaged}/${name})
endforeach()
list(TRANSFORM compressed APPEND .gz OUTPUT_VARIABLE gzipped)
add_custom_command(OUTPUT ${gzipped} COMMAND ${GZIP} -9nkf ${compressed} DEPENDS ${compressed} VERBATIM)
add_custom_target(package_documents ALL DEPENDS ${gzipped})
list(TRANSFORM manuals PREPEND ${packaged}/)
list(TRANSFORM manuals APPEND .gz)
install(FILES ${manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${packaged}/changelog.gz
              ${packaged}/THIRD-PARTY-NOTICES.txt.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quantora)

if(TARGET quantora-cli-update)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides RENAME quantora
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quantora)
set(CPACK_PACKAGE_VENDOR Quantora)
set(CPACK_PACKAGE_CONTACT "Quantora developers <developers@quantora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Unit-of-measure converter with a formula calculator")
# Lines CPack keeps as they are: Debian's tools show the description in an 80-column terminal.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quantora converts a value between the units of a category (length, mass,"
  "temperature, currency, number systems and many more) and shows it in every"
  "unit of the category at once. Around the converter are a formula calculator,"
  "lists of physical constants and chemical elements, units of your own, and an"
  "update that fetches newer data files."
  "The command quantora-cli converts and calculates with the same data and"
  "options in a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the programs link (Qt, the C++ runtime) become the package's dependencies; libcurl
# is loaded only when an update runs, so it is named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libcurl4)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
