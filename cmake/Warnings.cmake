# Every target of ours compiles with these warnings. They become errors only when the build asks,
# with -DCMAKE_COMPILE_WARNING_AS_ERROR=ON (scripts/test does), so that a compiler's new warning
# does not break a user's or a packager's build.
function(tovalin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
