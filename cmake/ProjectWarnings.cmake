# Warnings for the project's own targets: on, and treated as errors with ZORIMEX_WERROR (CI), so a
# user's newer compiler with new warnings still builds the program.
function(zorimex_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion>
    $<$<AND:$<CXX_COMPILER_ID:GNU,Clang>,$<BOOL:${ZORIMEX_WERROR}>>:-Werror>
    # GCC 12 at -O3 reports -Wrestrict inside std::string::operator=(const char*) (GCC bug 105329).
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
endfunction()
