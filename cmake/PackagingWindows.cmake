# The Windows packages, made with `cpack` from a cross-compiled build tree: a ZIP holding one folder
# that runs as it is, and an installer with a Start-menu entry and an uninstaller. Besides the
# program and its resources (installed by shell/) the folder holds the Qt libraries and plug-ins
# and the compiler's runtime libraries, all beside the executable, where Windows and Qt look first.

# The Qt libraries the program links, and the plug-ins it loads: the Windows platform and JPEG for
# the About picture. The program draws its windows in its own style, which Qt's widget library
# holds, so no style plug-in is needed.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport
    RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QJpegPlugin LIBRARY DESTINATION imageformats)
# Qt takes its own prefix from where its core library lies; this keeps it inside the program's
# folder, so no plug-in from outside it is loaded.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)

# The runtime libraries of the compiler that built the program (the posix thread model), without
# their debugging sections, which would make up most of the package.
set(runtime_dir ${CMAKE_CURRENT_BINARY_DIR}/compiler-runtime)
set(runtime_libraries)
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
        OUTPUT_VARIABLE library_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE ${library_path} OR NOT EXISTS ${library_path})
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${library} lies")
    endif()
    add_custom_command(OUTPUT ${runtime_dir}/${library}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${runtime_dir}
        COMMAND ${CMAKE_STRIP} --strip-debug -o ${runtime_dir}/${library} ${library_path}
        DEPENDS ${library_path})
    list(APPEND runtime_libraries ${runtime_dir}/${library})
endforeach()
add_custom_target(tovalin-diagram-compiler-runtime ALL DEPENDS ${runtime_libraries})
install(FILES ${runtime_libraries} DESTINATION .)

# The licences under which the Qt libraries and the compiler's runtime libraries are passed on, as
# Debian states them for the sources they were built from, with the full texts they refer to.
set(licence_files
    /usr/share/doc/libqt6core6/copyright Qt.txt
    /usr/share/doc/gcc-mingw-w64-base/copyright gcc-runtime.txt
    /usr/share/doc/mingw-w64-common/copyright mingw-w64-runtime.txt
    /usr/share/common-licenses/LGPL-3 LGPL-3.txt
    /usr/share/common-licenses/GPL-3 GPL-3.txt)
while(licence_files)
    list(POP_FRONT licence_files from to)
    if(NOT EXISTS ${from})
        message(FATAL_ERROR "${from} is missing: its package states a licence the Windows package passes on")
    endif()
    install(FILES ${from} DESTINATION licences RENAME ${to})
endwhile()

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_VENDOR "zavik quenzlar") # the installer keeps its Start-menu choice under this name
set(CPACK_SYSTEM_NAME win64) # tovalin-diagram-1.0.0-win64.zip and .exe
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tovalin Diagram")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Tovalin Diagram")
set(CPACK_PACKAGE_EXECUTABLES tovalin-diagram "Tovalin Diagram")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME "Tovalin Diagram")
set(CPACK_NSIS_PACKAGE_NAME "Tovalin Diagram")
set(CPACK_NSIS_INSTALLED_ICON_NAME tovalin-diagram.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/shell/resources/tovalin-diagram.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/shell/resources/tovalin-diagram.ico)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for the 64-bit program: it installs into the 64-bit Program Files and writes
# its entry into the 64-bit registry, and Wine runs it without 32-bit support.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
