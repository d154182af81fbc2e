# "consts.dat" and "element.dat" are rebuilt from their master texts whenever a text or the tool
# changes; a fault in a text stops the build with the line it is on.
set(quantora_list_outputs)
foreach(pair "constants;constants.tsv;consts.dat" "elements;elements.txt;element.dat")
  list(GET pair 0 kind)
  list(GET pair 1 source)
  list(GET pair 2 output)
  add_custom_command(
    OUTPUT ${QUANTORA_DATA_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUANTORA_DATA_DIR}
    COMMAND quantora_listgen ${kind} ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${QUANTORA_DATA_DIR}/${output}
    DEPENDS quantora_listgen ${CMAKE_CURRENT_SOURCE_DIR}/${source}
    COMMENT "Building ${output} from ${source}" VERBATIM)
  list(APPEND quantora_list_outputs ${QUANTORA_DATA_DIR}/${output})
endforeach()
add_custom_target(quantora_lists_data DEPENDS ${quantora_list_outputs})
add_dependencies(quantora_data quantora_lists_data)
