# kforge_target(<target>): the settings of all IDE code, in the Windows
# build and in the native build of the portable units: ANSI Win32, warnings.
function(kforge_target target)
  target_compile_definitions(${target} PRIVATE NOMINMAX
                             _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
