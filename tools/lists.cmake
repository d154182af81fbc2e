# Turns the constants and elements master texts into their record files.
add_executable(quantora_listgen ${CMAKE_CURRENT_SOURCE_DIR}/quantora_listgen.cpp)
target_link_libraries(quantora_listgen PRIVATE quantora_core)
quantora_warnings(quantora_listgen)
