# Fails the build when a file of the core library includes a Qt header.
# Run as: cmake -DSOURCES="a;b;c" -P CheckNoQt.cmake
foreach(file IN LISTS SOURCES)
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|q[a-z]+\\.h)")
  if(includes)
    message(FATAL_ERROR "${file} includes Qt (${includes}); the core library must stay free of Qt. "
                        "Move this code to quantora_gui.")
  endif()
endforeach()
