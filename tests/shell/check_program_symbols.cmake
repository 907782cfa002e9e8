# Reads the symbols of PROGRAM with NM and fails when it carries a hook that only tests use, or when
# it lacks the program's own functions (a stripped or empty file shows nothing either way).
#   cmake -DNM=<nm> -DPROGRAM=<executable> -P check_program_symbols.cmake
set(test_seams
    setPrintDialogs PrintDialogs setUrlHandler setResourceFolder quitRequested clearQuitRequest
    refreshCount paintCount "fw::testing")
set(product_symbols "fw::ShowURL(" "fw::OpenPrinterDialog(" "Globals::redraw(")

execute_process(COMMAND "${NM}" -C "${PROGRAM}"
    OUTPUT_VARIABLE symbols ERROR_VARIABLE nm_errors RESULT_VARIABLE nm_status)
if(NOT nm_status EQUAL 0)
    message(FATAL_ERROR "${NM} could not read ${PROGRAM}: ${nm_errors}")
endif()

set(seams_found "")
foreach(seam IN LISTS test_seams)
    string(FIND "${symbols}" "${seam}" at)
    if(NOT at EQUAL -1)
        list(APPEND seams_found "${seam}")
    endif()
endforeach()
set(symbols_missing "")
foreach(symbol IN LISTS product_symbols)
    string(FIND "${symbols}" "${symbol}" at)
    if(at EQUAL -1)
        list(APPEND symbols_missing "${symbol}")
    endif()
endforeach()

# One unwrapped line for each finding, then the failure.
if(seams_found)
    list(JOIN seams_found ", " text)
    message(NOTICE "test seams in ${PROGRAM}: ${text}")
endif()
if(symbols_missing)
    list(JOIN symbols_missing ", " text)
    message(NOTICE "program symbols missing from ${PROGRAM}: ${text}")
endif()
if(seams_found OR symbols_missing)
    message(FATAL_ERROR "the symbols of ${PROGRAM} are not those of the program alone")
endif()
