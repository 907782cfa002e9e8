# Liberation Sans, the family the windows' text is set in and the diagram's stand-in for Arial, comes
# in two releases that Debian packages apart, fonts-liberation and fonts-liberation2, and a system may
# have either or both. What the build takes of it is the file fontconfig resolves for each face, the
# one the program is drawn with on this machine, so nothing depends on which release that is.
include_guard(GLOBAL)

# tovalin_liberation_sans_faces(<variable>): the files of the regular, bold, italic and bold italic
# faces, in that order. A fatal error says what to install where the family is missing.
function(tovalin_liberation_sans_faces variable)
    find_program(TOVALIN_FC_MATCH fc-match)
    if(NOT TOVALIN_FC_MATCH)
        message(FATAL_ERROR "fc-match is missing: install fontconfig")
    endif()
    set(faces)
    foreach(style Regular Bold Italic "Bold Italic")
        execute_process(COMMAND ${TOVALIN_FC_MATCH} --format "%{family[0]}\n%{style[0]}\n%{file}"
                "Liberation Sans:style=${style}"
            OUTPUT_VARIABLE match RESULT_VARIABLE failed)
        string(REPLACE "\n" ";" match "${match}")
        list(LENGTH match fields)
        if(failed OR NOT fields EQUAL 3)
            message(FATAL_ERROR "fc-match could not be asked for Liberation Sans ${style}")
        endif()
        list(GET match 0 family)
        list(GET match 1 found_style)
        list(GET match 2 file)
        # Without the face, fontconfig answers with another family or another face.
        if(NOT family STREQUAL "Liberation Sans" OR NOT found_style STREQUAL style)
            message(FATAL_ERROR "Liberation Sans ${style} is not installed: install fonts-liberation "
                "or fonts-liberation2 (fontconfig offers ${family} ${found_style} in its place)")
        endif()
        list(APPEND faces ${file})
    endforeach()
    set(${variable} ${faces} PARENT_SCOPE)
endfunction()

# tovalin_liberation_sans_licence(<variable> <face-file>): the licence of the package that installed
# the face, as Debian keeps it.
function(tovalin_liberation_sans_licence variable face)
    execute_process(COMMAND dpkg-query --search ${face}
        OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
    string(REGEX REPLACE ":.*" "" package "${owner}")
    set(licence /usr/share/doc/${package}/copyright)
    if(failed OR package STREQUAL "" OR NOT EXISTS ${licence})
        message(FATAL_ERROR "no Debian package's licence found for ${face}")
    endif()
    set(${variable} ${licence} PARENT_SCOPE)
endfunction()
