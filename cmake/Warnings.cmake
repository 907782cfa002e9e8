# Every target of ours compiles with warnings as errors.
function(tovalin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
