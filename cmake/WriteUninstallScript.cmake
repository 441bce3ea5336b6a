# Runs inside `cmake --install`, after every other file is installed: CMAKE_INSTALL_MANIFEST_FILES
# then holds them all (with DESTDIR in front).

function(quorvel_shell_quote out text)
  string(REPLACE "'" "'\\''" quoted "${text}")
  set(${out} "'${quoted}'" PARENT_SCOPE)
endfunction()

set(destdir "$ENV{DESTDIR}")
set(script "${CMAKE_INSTALL_PREFIX}/${QUORVEL_UNINSTALL_BINDIR}/quorvel-uninstall")
set(installed ${CMAKE_INSTALL_MANIFEST_FILES})
list(APPEND installed "${destdir}${script}")
list(REMOVE_DUPLICATES installed)

set(remove_files "")
set(folders "")
foreach(file IN LISTS installed)
  # The paths as they will be on the running system.
  if(destdir)
    string(LENGTH "${destdir}" destdir_length)
    string(SUBSTRING "${file}" ${destdir_length} -1 file)
  endif()
  quorvel_shell_quote(quoted "${file}")
  string(APPEND remove_files "remove ${quoted}\n")
  # Folders of our own (named quorvel, or inside one) go too once they are empty.
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder MATCHES "/quorvel(/|$)")
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
# Deepest first, so a parent is tried after its children.
list(SORT folders ORDER DESCENDING)
set(remove_folders "")
foreach(folder IN LISTS folders)
  quorvel_shell_quote(quoted "${folder}")
  string(APPEND remove_folders "remove_folder ${quoted}\n")
endforeach()

set(QUORVEL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(QUORVEL_REMOVE_FILES "${remove_files}")
set(QUORVEL_REMOVE_FOLDERS "${remove_folders}")
message(STATUS "Installing: ${destdir}${script}")
configure_file("${QUORVEL_UNINSTALL_TEMPLATE}" "${destdir}${script}" @ONLY)
file(CHMOD "${destdir}${script}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${destdir}${script}")
