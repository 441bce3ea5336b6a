# The uninstall script. Written last in an install, so it lists every file the install put in
# place; included after every subdirectory for that reason.
install(CODE "set(QUORVEL_UNINSTALL_TEMPLATE \"${PROJECT_SOURCE_DIR}/packaging/quorvel-uninstall.in\")
set(QUORVEL_UNINSTALL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WriteUninstallScript.cmake)
