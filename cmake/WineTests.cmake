# Test programs cross-compiled for Windows run under Wine, from ctest and by hand through
# build-dir/run-under-wine, in a Wine prefix of the build's own. Included before the tests are added.
find_program(TOVALIN_WINE wine REQUIRED)

# Wine finds the Qt and mingw runtime DLLs where they were built or installed.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT qt_core_dll)
    get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION)
endif()
cmake_path(GET qt_core_dll PARENT_PATH qt_dll_dir)
set(wine_dll_dirs ${qt_dll_dir})
foreach(runtime_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime_dll}
        OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime_dll} is")
    endif()
    cmake_path(GET runtime_path PARENT_PATH runtime_dir)
    list(APPEND wine_dll_dirs ${runtime_dir})
endforeach()
list(REMOVE_DUPLICATES wine_dll_dirs)
list(TRANSFORM wine_dll_dirs PREPEND "Z:")
list(JOIN wine_dll_dirs ";" TOVALIN_WINE_PATH)

# On Windows, Qt's offscreen platform reads fonts from QT_QPA_FONTDIR alone: the tests' fonts folder,
# which holds Liberation Sans (Arial's metrics), and DejaVu Sans, the families the program and its
# tests draw with.
set(TOVALIN_WINE_FONTS ${TOVALIN_TEST_FONTS})
file(GLOB font_files /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-*.ttf)
if(NOT font_files)
    message(FATAL_ERROR "the tests need fonts-dejavu-core")
endif()
file(COPY ${font_files} DESTINATION ${TOVALIN_WINE_FONTS})

set(TOVALIN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-tests)
# The locale and address layout that Wine runs with, shared with the package tests.
set(TOVALIN_WINE_ENVIRONMENT ${PROJECT_SOURCE_DIR}/scripts/windows/wine-environment.sh)
set(wine_runner ${CMAKE_BINARY_DIR}/run-under-wine)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine/run-under-wine.in ${wine_runner}
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
    @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_runner})
