# The folders that an install or a package makes are open to every user, as the files in them
# are, whatever umask the builder's shell has: CMake makes folders through the umask, and a
# hardened root's 077 would close the program's resources to everyone else. Include it after the
# last install rule and before CPack.
if(CMAKE_HOST_UNIX)
    install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/OpenInstalledFolders.cmake)
    list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/OpenInstalledFolders.cmake)
endif()
