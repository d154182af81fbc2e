# "cat.dat", "item.dat" and "temp.dat" come from units.ini, "curr.dat" from currencies.csv checked
# against the currency units of units.ini, and "list.dat" carries the program's own version stamps.
# A fault in a master text stops the build with the line it is on.
set(quantora_units_outputs
  ${QUANTORA_DATA_DIR}/cat.dat ${QUANTORA_DATA_DIR}/item.dat ${QUANTORA_DATA_DIR}/temp.dat)
add_custom_command(
  OUTPUT ${quantora_units_outputs}
  COMMAND quantora_datagen units ${CMAKE_CURRENT_SOURCE_DIR}/units.ini ${QUANTORA_DATA_DIR}
  DEPENDS quantora_datagen ${CMAKE_CURRENT_SOURCE_DIR}/units.ini
  COMMENT "Building cat.dat, item.dat and temp.dat from units.ini" VERBATIM)
add_custom_command(
  OUTPUT ${QUANTORA_DATA_DIR}/curr.dat
  COMMAND quantora_datagen currencies ${CMAKE_CURRENT_SOURCE_DIR}/currencies.csv
          ${CMAKE_CURRENT_SOURCE_DIR}/units.ini ${QUANTORA_DATA_DIR}
  DEPENDS quantora_datagen ${CMAKE_CURRENT_SOURCE_DIR}/currencies.csv ${CMAKE_CURRENT_SOURCE_DIR}/units.ini
  COMMENT "Building curr.dat from currencies.csv" VERBATIM)
add_custom_command(
  OUTPUT ${QUANTORA_DATA_DIR}/list.dat
  COMMAND quantora_datagen stamps second ${QUANTORA_DATA_DIR}
  DEPENDS quantora_datagen
  COMMENT "Stamping list.dat" VERBATIM)
add_custom_target(quantora_units_data
  DEPENDS ${quantora_units_outputs} ${QUANTORA_DATA_DIR}/curr.dat ${QUANTORA_DATA_DIR}/list.dat)
add_dependencies(quantora_data quantora_units_data)
