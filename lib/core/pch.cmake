# The precompiled core.h of generated modules, staged as the directory
# ${KILN_ROOT}/lib/core/core.h.gch/ beside core.h. A generated module starts
# with an optional `#define __KLN_DEBUG` line and then includes core.h by its
# full path; g++ takes the first precompiled header in core.h.gch/ that
# matches the module's flags and macros, so there is one per form:
#   release.gch   built as bcc32 compiles a module of `kln -r`
#   debug.gch     the same with __KLN_DEBUG defined empty, exactly as the
#                 generated `#define __KLN_DEBUG` line defines it
# Both use bcc32's flags for the modules kln builds: the fixed list, -O2
# (from -O2) and -w (from -w-). g++ silently rejects a precompiled header
# built with other flags and reads core.h instead, which costs only speed.
# g++ does not notice a core.h changed after its header was built, so
# staging a new core.h removes core.h.gch/ at once, and each header is
# rebuilt whenever the staged core.h, the flags or the headers it reads
# change, and removed first: a failed build leaves none, never a stale one.
# Included at the end of lib/core/CMakeLists.txt (uses its `stage` and its
# custom command that stages core.h).

set(pch_dir ${stage}/core.h.gch)
# g++ tries every file in core.h.gch/, so the dependency files go elsewhere.
set(pch_depfiles ${CMAKE_CURRENT_BINARY_DIR}/pch)
set(pch_outputs)
add_custom_command(OUTPUT ${stage}/core.h APPEND
                   COMMAND ${CMAKE_COMMAND} -E rm -rf ${pch_dir})
foreach(form release debug)
  set(pch ${pch_dir}/${form}.gch)
  set(depfile ${pch_depfiles}/${form}.d)
  set(form_flags)
  if(form STREQUAL debug)
    set(form_flags -D__KLN_DEBUG=)
  endif()
  add_custom_command(
    OUTPUT ${pch}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${pch}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pch_dir} ${pch_depfiles}
    COMMAND ${MINGW_CXX} -x c++-header ${KILN_FIXED_FLAGS} -O2 -w ${form_flags}
            -MD -MF ${depfile} -o ${pch} ${stage}/core.h
    DEPENDS ${stage}/core.h ${CMAKE_SOURCE_DIR}/toolchain/fixed-flags.txt
    DEPFILE ${depfile}
    COMMENT "Precompiling core.h (${form})"
    VERBATIM)
  list(APPEND pch_outputs ${pch})
endforeach()

add_custom_target(kiln_core_pch ALL DEPENDS ${pch_outputs})
# The staged core.h is made by kiln_core; build it there, not twice at once.
add_dependencies(kiln_core_pch kiln_core)
