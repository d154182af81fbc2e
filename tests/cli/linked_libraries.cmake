# Fails when the program PROGRAM loads a Qt library or libcurl at start-up (libcurl is loaded only
# when an update runs). Run as: cmake -DPROGRAM=path -P linked_libraries.cmake
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries ERROR_VARIABLE complaint RESULT_VARIABLE failed)
if(failed AND "${libraries}${complaint}" MATCHES "not a dynamic executable")
  message(STATUS "${PROGRAM} is static: it loads no library")
  return()
elseif(failed)
  message(FATAL_ERROR "ldd could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "(libQt|libcurl)[^ \t\n]*" unwanted "${libraries}")
if(unwanted)
  message(FATAL_ERROR "${PROGRAM} loads ${unwanted}")
endif()
message(STATUS "${PROGRAM} loads neither Qt nor libcurl")
