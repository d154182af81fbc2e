# Turns the unit master texts into the unit data files and stamps the version list.
add_executable(quantora_datagen ${CMAKE_CURRENT_SOURCE_DIR}/quantora_datagen.cpp)
target_link_libraries(quantora_datagen PRIVATE quantora_core)
quantora_warnings(quantora_datagen)
