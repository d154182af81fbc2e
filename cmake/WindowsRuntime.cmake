# What a Windows build needs beside its programs: the version resource, and the DLLs they load
# (the compiler's runtime and Qt with its platform and style plugins), copied into the build's bin
# folder when it is configured, so the build-time tools and the tests run under wine as built, and
# installed beside the programs.
if(NOT WIN32)
  return()
endif()

if(CMAKE_CROSSCOMPILING)
  find_program(QUANTORA_WINE NAMES wine wine64 REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUANTORA_WINE})
endif()

# quantora_version_resource(<target> <description>): the version Windows shows in the file's properties.
function(quantora_version_resource target description)
  set(QUANTORA_FILE_NAME ${target})
  set(QUANTORA_FILE_DESCRIPTION ${description})
  set(rc ${CMAKE_BINARY_DIR}/generated/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/quantora_version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# quantora_runtime_files(<destination> <install: ON|OFF> <file>...): copied into bin/<destination> now
# and, when asked, installed into the program folder's <destination>.
function(quantora_runtime_files destination install)
  file(COPY ${ARGN} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${destination})
  if(install)
    install(FILES ${ARGN} DESTINATION ${QUANTORA_PROGRAM_DIR}/${destination})
  endif()
endfunction()

function(quantora_imported_file target out)
  get_target_property(location ${target} IMPORTED_LOCATION_RELEASE)
  if(NOT location)
    get_target_property(location ${target} IMPORTED_LOCATION)
  endif()
  set(${out} ${location} PARENT_SCOPE)
endfunction()

# The C++ runtime of the compiler: quantora-cli links it in, the Qt programs share Qt's copy.
set(compiler_runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  list(APPEND compiler_runtime ${path})
endforeach()
quantora_runtime_files(. ON ${compiler_runtime})

if(QUANTORA_GUI)
  foreach(module Core Gui Widgets)
    quantora_imported_file(Qt6::${module} dll)
    quantora_runtime_files(. ON ${dll})
  endforeach()
  quantora_imported_file(Qt6::QWindowsIntegrationPlugin windows_platform)
  quantora_runtime_files(platforms ON ${windows_platform})
  quantora_imported_file(Qt6::QWindowsVistaStylePlugin vista_style)
  quantora_runtime_files(styles ON ${vista_style})
  if(QUANTORA_TESTS)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    quantora_imported_file(Qt6::Test test_dll)
    quantora_imported_file(Qt6::QOffscreenIntegrationPlugin offscreen_platform)
    quantora_runtime_files(. OFF ${test_dll})
    quantora_runtime_files(platforms OFF ${offscreen_platform})
  endif()
endif()

# The licence and the notices of what the programs carry (Qt, libcurl), as text files a Windows
# user opens with a double-click.
foreach(notice LICENSE THIRD-PARTY-NOTICES.txt)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${notice})
    get_filename_component(name ${notice} NAME_WE)
    install(FILES ${PROJECT_SOURCE_DIR}/${notice} DESTINATION ${QUANTORA_PROGRAM_DIR} RENAME ${name}.txt)
  endif()
endforeach()
