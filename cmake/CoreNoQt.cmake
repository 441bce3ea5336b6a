# The core layer must stay free of Qt. Its target links no Qt, so a Qt include
# would already fail to compile; this check names the offending file plainly.
function(quorvel_assert_no_qt dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS "${dir}/*.h" "${dir}/*.cpp")
  foreach(f IN LISTS files)
    file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(hits)
      message(FATAL_ERROR "core must not include Qt: ${f}: ${hits}")
    endif()
  endforeach()
endfunction()
