# Warnings for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)

# The evaluator reads errno after libm calls. GCC otherwise assumes that sin, cos
# and tan never set errno and drops the test. No option that lets the compiler assume
# errno is left alone (the fast-math family) may be added.
add_compile_options(-fno-builtin-sin -fno-builtin-cos -fno-builtin-tan)

if(QUINT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Coverage instrumentation for every library the fuzzer links; the fuzzer's own target adds
# libFuzzer's main.
if(QUINT_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUINT_FUZZ needs clang (libFuzzer); configure with the fuzz preset")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
